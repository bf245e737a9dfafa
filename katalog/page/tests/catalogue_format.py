"""The catalogue's data (szenarien.json, version 2, described in docs/katalog-json.md): its
exact bytes, a check that a catalogue holds every field in its place and that the derived
fields agree with the window's texts they come from, and the page's files made from it (the
row table of index.html, the search file, the data parts), as the format describes them."""
import json
import re

VERSION = 2
FORMAT = "szenarienkatalog"
ROWS_FORMAT = "szenarienkatalog-zeilen"

# Characters that must never appear raw in the data, so that the page can embed it in a
# script element: nothing in it can close the element or start markup.
EMBED_ESCAPES = (("<", "\\u003c"), (">", "\\u003e"), ("&", "\\u0026"),
                 ("\u2028", "\\u2028"), ("\u2029", "\\u2029"))

MAP_SIDES = (128, 256, 384, 512)
KEY = re.compile(r"[0-9a-f]{32}\Z")
COLOUR = re.compile(r"#[0-9a-f]{6}\Z")
GOODS_PICTURE = re.compile(r"[A-Z0-9]+\Z")
PICTURE_PATH = re.compile(r"[A-Za-z0-9_-][A-Za-z0-9_.-]*(/[A-Za-z0-9_-][A-Za-z0-9_.-]*)*\.png\Z")
BLANKS_AND_CONTROLS = "".join(map(chr, range(0x21)))

# The window's labels, in the order of their tables (katalog/window_rows.h).
LABELS = ("SCNName", "ScnStatusInfo", "MapLocationInfo", "ZielInfo", "MilitaryRequestsInfo",
          "MilitaryInvasionsInfo", "NatureEventsInfo", "WagePlebejerInfo", "WageEquitesInfo",
          "TradeRequestsInfo", "CitiesCountInfo", "CultureInfo", "SecurityInfo",
          "ProsperityInfo", "FavorInfo", "PopulationInfo", "ZielNoteInfo", "MapSizeInfo",
          "MapLocationInfo2")
CITY_LABELS = ("CityType", "TradeRouteType", "TradeRouteStatus")
REQUEST_LABELS = ("REQWareCount", "REQWareName", "REQTime", "REQComply", "REQRecurs",
                  "REQReward", "REQPenalty", "REQText")

# What the page's row table keeps of a scenario object, and of its labels; goodsProducible
# is the row's own (the names of the goods of the "Ressourcen" page).
ROW_FIELDS = ("id", "file", "key", "damage", "thumbnail", "mapSide", "invasionCount",
              "militaryRequestCount", "cityCount", "tradeCityCount", "goodsSold", "goodsBought",
              "goodsProducible", "requestCount", "description", "labels")
ROW_LABELS = ("ScnStatusInfo", "MapLocationInfo", "ZielInfo", "MilitaryRequestsInfo",
              "MilitaryInvasionsInfo", "CultureInfo", "SecurityInfo", "ProsperityInfo",
              "FavorInfo", "PopulationInfo", "MapSizeInfo")


def Nullable(shape):
    return ("nullable", shape)


def ListOf(shape):
    return ("list", shape)


def Object(*fields):
    return ("object", fields)


def Optional(shape):
    """A last member that may be left out."""
    return ("optional", shape)


PICTURE = Object(("path", "picture_path"), ("width", "int"), ("height", "int"))
GOODS_SLOT = Object(("name", "str"), ("count", "str"), ("picture", Nullable("goods_picture")))
RICH_LINE = Object(("text", "str"), ("heading", "bool"), ("color", Nullable("colour")))
LABEL = Object(("name", "str"), ("caption", Nullable("str")), ("text", "str"),
               ("color", Optional("colour")))

# The fields that a damaged scenario leaves null: everything from the window.
WINDOW_FIELDS = (
    ("mapSide", Nullable("map_side")), ("invasionCount", "int"),
    ("militaryRequestCount", "int"), ("cityCount", "int"), ("tradeCityCount", "int"),
    ("goodsSold", ListOf("str")), ("goodsBought", ListOf("str")), ("requestCount", "int"),
    ("description", "str"), ("labels", ListOf(LABEL)),
    ("cities", ListOf(Object(("name", "str"), ("trades", "bool"), ("labels", ListOf(LABEL)),
                             ("sells", ListOf(GOODS_SLOT)), ("buys", ListOf(GOODS_SLOT))))),
    ("requests", ListOf(Object(("entry", "str"), ("warePicture", Nullable("goods_picture")),
                               ("labels", ListOf(LABEL))))),
    ("resources", Object(("header", "str"),
                         ("goods", ListOf(Object(("name", "str"),
                                                 ("picture", Nullable("goods_picture"))))))),
    ("invasions", ListOf(RICH_LINE)),
    ("militaryRequests", ListOf(RICH_LINE)),
    ("story", "str"),
)
SCENARIO = Object(
    ("id", "str"), ("file", "str"), ("key", "key"),
    ("damage", Nullable(Object(("title", "str"), ("text", "str")))),
    ("thumbnail", Nullable(PICTURE)), ("picture", Nullable(PICTURE)),
    *((name, Nullable(shape)) for name, shape in WINDOW_FIELDS))
CATALOGUE = Object(("format", "str"), ("version", "int"), ("captions", ("texts",)),
                   ("scenarios", ListOf(SCENARIO)))

CHECKS = {
    "str": lambda v: isinstance(v, str),
    "int": lambda v: isinstance(v, int) and not isinstance(v, bool),
    "bool": lambda v: isinstance(v, bool),
    "key": lambda v: isinstance(v, str) and KEY.match(v),
    "map_side": lambda v: v in MAP_SIDES,
    "colour": lambda v: isinstance(v, str) and COLOUR.match(v),
    "goods_picture": lambda v: isinstance(v, str) and GOODS_PICTURE.match(v),
    "picture_path": lambda v: isinstance(v, str) and PICTURE_PATH.match(v),
}


def Serialize(value):
    """The exact text of szenarien.json without its final line end, and of every JSON the
    page's files hold."""
    text = json.dumps(value, ensure_ascii=False, separators=(",", ":"))
    for raw, escaped in EMBED_ESCAPES:
        text = text.replace(raw, escaped)
    return text


def _CheckValue(value, shape, where, problems):
    kind = shape[0] if isinstance(shape, tuple) else shape
    if kind == "nullable":
        if value is not None:
            _CheckValue(value, shape[1], where, problems)
    elif kind == "list" or kind == "texts":
        if not isinstance(value, list if kind == "list" else dict):
            problems.append(f"{where}: not a {'list' if kind == 'list' else 'object'}")
            return
        items = enumerate(value) if kind == "list" else value.items()
        for index, item in items:
            _CheckValue(item, shape[1] if kind == "list" else "str", f"{where}[{index!r}]",
                        problems)
    elif kind == "object":
        if not isinstance(value, dict):
            problems.append(f"{where}: not an object")
            return
        names = [name for name, _ in shape[1]]
        required = [n for n, s in shape[1] if not (isinstance(s, tuple) and s[0] == "optional")]
        if list(value) not in (names, required):
            problems.append(f"{where}: fields {list(value)}, expected {names}")
            return
        for name, field_shape in shape[1]:
            if name in value:
                inner = field_shape[1] if field_shape[0] == "optional" else field_shape
                _CheckValue(value[name], inner, f"{where}.{name}", problems)
    elif not CHECKS[kind](value):
        problems.append(f"{where}: {value!r} is not a {kind}")


def Description(story, title):
    """The first line of the story that holds more than blanks and control characters and
    is not the title, without them at either end."""
    for line in re.split("[\r\n]", story):
        trimmed = line.strip(BLANKS_AND_CONTROLS)
        if trimmed and trimmed != title:
            return trimmed
    return ""


def _UniqueNames(cities, side):
    names = []
    for city in cities:
        for slot in city[side]:
            if slot["name"] and slot["name"] not in names:
                names.append(slot["name"])
    return names


def _Names(labels):
    return tuple(label["name"] for label in labels)


def _CheckDerived(scenario, where, problems):
    if scenario["damage"] is not None:
        for name, _ in WINDOW_FIELDS:
            if scenario[name] is not None:
                problems.append(f"{where}.{name}: set for a damaged scenario")
        return
    for name, _ in WINDOW_FIELDS:
        if scenario[name] is None and name != "mapSide":
            problems.append(f"{where}.{name}: null for a scenario that loaded")
            return
    cities = scenario["cities"]
    expected = {
        "cityCount": len(cities),
        "tradeCityCount": sum(city["trades"] for city in cities),
        "goodsSold": _UniqueNames(cities, "sells"),
        "goodsBought": _UniqueNames(cities, "buys"),
        "requestCount": len(scenario["requests"]),
        "description": Description(scenario["story"], scenario["id"]),
    }
    for name, value in expected.items():
        if scenario[name] != value:
            problems.append(f"{where}.{name}: {scenario[name]!r}, expected {value!r}")
    tables = [("labels", _Names(scenario["labels"]), LABELS)]
    tables += [(f"cities[{i}].labels", _Names(c["labels"]), CITY_LABELS)
               for i, c in enumerate(cities)]
    tables += [(f"requests[{i}].labels", _Names(r["labels"]), REQUEST_LABELS)
               for i, r in enumerate(scenario["requests"])]
    for field, names, wanted in tables:
        if names != wanted:
            problems.append(f"{where}.{field}: {names}, expected {wanted}")


def CheckCatalogue(catalogue):
    """The list of every way in which the catalogue departs from the format; empty when none."""
    problems = []
    _CheckValue(catalogue, CATALOGUE, "catalogue", problems)
    if problems:
        return problems
    if catalogue["format"] != FORMAT or catalogue["version"] != VERSION:
        problems.append(f"catalogue: format {catalogue['format']!r} version "
                        f"{catalogue['version']}, expected {FORMAT!r} version {VERSION}")
    scenarios = catalogue["scenarios"]
    files = [scenario["file"].encode() for scenario in scenarios]
    if files != sorted(files):
        problems.append("catalogue.scenarios: not in the byte order of their file names")
    for field in ("id", "key"):
        values = [scenario[field] for scenario in scenarios]
        if len(set(values)) != len(values):
            problems.append(f"catalogue.scenarios: a {field} occurs twice")
    paths = []
    for index, scenario in enumerate(scenarios):
        where = f"scenarios[{index}]"
        file = scenario["file"]
        if file[:-4] != scenario["id"] or file[-4:].lower() != ".scn":
            problems.append(f"{where}: file {file!r} is not the id and \".scn\" in any case")
        for key, limit in (("thumbnail", 256), ("picture", 1024)):
            picture = scenario[key]
            if picture is None:
                continue
            paths.append(picture["path"])
            if not (0 < picture["width"] <= limit and 0 < picture["height"] <= limit):
                problems.append(f"{where}.{key}: {picture['width']} by {picture['height']} "
                                f"pixels, at most {limit} allowed")
        _CheckDerived(scenario, where, problems)
    if len(set(paths)) != len(paths):
        problems.append("catalogue.scenarios: two pictures share a path")
    return problems


# ---- The page's files ---------------------------------------------------------------

def DataPart(scenario):
    """daten/KEY.js"""
    return "katalogSzenario(" + Serialize(scenario) + ");\n"


def SearchScript(catalogue):
    """The search file: per scenario its cities' names, the goods its requests name, and
    its story."""
    texts = []
    for s in catalogue["scenarios"]:
        texts.append([c["name"] for c in s["cities"] or []] +
                     [label["text"] for r in s["requests"] or [] for label in r["labels"]
                      if label["name"] == "REQWareName"] +
                     ([s["story"]] if s["story"] is not None else []))
    return "katalogSuche(" + Serialize(texts) + ");\n"


def RowTable(catalogue, search_path):
    """The row table that index.html holds."""
    goods = {}
    rows = []
    for s in catalogue["scenarios"]:
        resources = s["resources"] and s["resources"]["goods"]
        for city in s["cities"] or []:
            for slot in city["sells"] + city["buys"]:
                if slot["name"]:
                    goods.setdefault(slot["name"], slot["picture"])
        for good in resources or []:
            if good["name"]:
                goods.setdefault(good["name"], good["picture"])
        row = {name: s.get(name) for name in ROW_FIELDS}
        row["goodsProducible"] = resources and [good["name"] for good in resources]
        if row["labels"] is not None:
            row["labels"] = [label for label in row["labels"] if label["name"] in ROW_LABELS]
        rows.append(row)
    return {"format": ROWS_FORMAT, "version": VERSION, "captions": catalogue["captions"],
            "goods": [{"name": name, "picture": picture} for name, picture in goods.items()],
            "search": search_path, "scenarios": rows}
