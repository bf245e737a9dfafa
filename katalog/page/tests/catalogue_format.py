"""The catalogue's data (szenarien.json, version 1, described in docs/katalog-json.md): its
exact bytes, and a check that a catalogue holds every field in its place and that the
derived fields agree with the window's texts they come from."""
import json
import re

VERSION = 1
FORMAT = "szenarienkatalog"

# Characters that must never appear raw in the data, so that the page can embed it in a
# script element: nothing in it can close the element or start markup.
EMBED_ESCAPES = (("<", "\\u003c"), (">", "\\u003e"), ("&", "\\u0026"),
                 ("\u2028", "\\u2028"), ("\u2029", "\\u2029"))

MAP_SIZES = {"kleine Karte": 128, "mittlere Karte": 256, "grosse Karte": 384,
             "riesige Karte": 512}
NO_TRADE_KINDS = ("Eure Stadt", "Feindliche Stadt")
COLOUR = re.compile(r"#[0-9a-f]{6}\Z")
GOODS_PICTURE = re.compile(r"[A-Z0-9]+\Z")
PICTURE_PATH = re.compile(r"[A-Za-z0-9_-][A-Za-z0-9_.-]*(/[A-Za-z0-9_-][A-Za-z0-9_.-]*)*\.png\Z")
BLANKS_AND_CONTROLS = "".join(map(chr, range(0x21)))


def Nullable(shape):
    return ("nullable", shape)


def ListOf(shape):
    return ("list", shape)


def Object(*fields):
    return ("object", fields)


PICTURE = Object(("path", "picture_path"), ("width", "int"), ("height", "int"))
GOODS_SLOT = Object(("name", "str"), ("count", "str"), ("picture", Nullable("goods_picture")))
RICH_LINE = Object(("text", "str"), ("heading", "bool"), ("color", Nullable("colour")))

LABELS = ("SCNName", "ScnStatusInfo", "MapLocationInfo", "ZielInfo", "MilitaryRequestsInfo",
          "MilitaryInvasionsInfo", "NatureEventsInfo", "WagePlebejerInfo", "WageEquitesInfo",
          "TradeRequestsInfo", "CitiesCountInfo", "CultureInfo", "SecurityInfo",
          "ProsperityInfo", "FavorInfo", "PopulationInfo", "ZielNoteInfo", "MapSizeInfo",
          "MapLocationInfo2")
REQUEST_DETAILS = ("REQWareCount", "REQWareName", "REQWarePicture", "REQTime", "REQComply",
                   "REQRecurs", "REQReward", "REQPenalty", "REQText")

# The fields that a damaged scenario leaves null: everything from the window.
WINDOW_FIELDS = (
    ("kind", "str"), ("mapSize", "str"), ("mapSizeNumber", Nullable("int")), ("region", "str"),
    ("goals", "str"), ("cityCount", "int"), ("tradeCityCount", "int"),
    ("goodsSold", ListOf("str")), ("goodsBought", ListOf("str")), ("requestCount", "int"),
    ("invasionCount", "int"), ("militaryRequestCount", "int"), ("firstLine", "str"),
    ("labels", Object(*((name, "str") for name in LABELS))),
    ("labelColors", Object(("ZielInfo", "colour"))),
    ("cities", ListOf(Object(("name", "str"), ("CityType", "str"), ("TradeRouteType", "str"),
                             ("TradeRouteStatus", "str"), ("sells", ListOf(GOODS_SLOT)),
                             ("buys", ListOf(GOODS_SLOT))))),
    ("requests", ListOf(Object(("entry", "str"),
                               *((name, Nullable("goods_picture") if name == "REQWarePicture"
                                  else "str") for name in REQUEST_DETAILS)))),
    ("resources", Object(("ResourceHeader", "str"),
                         ("goods", ListOf(Object(("name", "str"),
                                                 ("picture", Nullable("goods_picture"))))))),
    ("invasions", ListOf(RICH_LINE)),
    ("militaryRequests", ListOf(RICH_LINE)),
    ("story", "str"),
)
SCENARIO = Object(
    ("id", "str"), ("file", "str"),
    ("damage", Nullable(Object(("title", "str"), ("text", "str")))),
    ("thumbnail", Nullable(PICTURE)), ("picture", Nullable(PICTURE)),
    *((name, Nullable(shape)) for name, shape in WINDOW_FIELDS))
CATALOGUE = Object(("format", "str"), ("version", "int"), ("scenarios", ListOf(SCENARIO)))


def Serialize(catalogue):
    """The exact text of szenarien.json without its final line end; the page embeds the same."""
    text = json.dumps(catalogue, ensure_ascii=False, separators=(",", ":"))
    for raw, escaped in EMBED_ESCAPES:
        text = text.replace(raw, escaped)
    return text


def _CheckValue(value, shape, where, problems):
    if isinstance(shape, tuple) and shape[0] == "nullable":
        if value is not None:
            _CheckValue(value, shape[1], where, problems)
        return
    if isinstance(shape, tuple) and shape[0] == "list":
        if not isinstance(value, list):
            problems.append(f"{where}: not a list")
            return
        for index, item in enumerate(value):
            _CheckValue(item, shape[1], f"{where}[{index}]", problems)
        return
    if isinstance(shape, tuple) and shape[0] == "object":
        if not isinstance(value, dict):
            problems.append(f"{where}: not an object")
            return
        names = [name for name, _ in shape[1]]
        if list(value) != names:
            problems.append(f"{where}: fields {list(value)}, expected {names}")
            return
        for name, field_shape in shape[1]:
            _CheckValue(value[name], field_shape, f"{where}.{name}", problems)
        return
    checks = {
        "str": lambda v: isinstance(v, str),
        "int": lambda v: isinstance(v, int) and not isinstance(v, bool),
        "bool": lambda v: isinstance(v, bool),
        "colour": lambda v: isinstance(v, str) and COLOUR.match(v),
        "goods_picture": lambda v: isinstance(v, str) and GOODS_PICTURE.match(v),
        "picture_path": lambda v: isinstance(v, str) and PICTURE_PATH.match(v),
    }
    if not checks[shape](value):
        problems.append(f"{where}: {value!r} is not a {shape}")


def FirstLine(story):
    for line in story.replace("\r\n", "\n").replace("\r", "\n").split("\n"):
        trimmed = line.strip(BLANKS_AND_CONTROLS)
        if trimmed:
            return trimmed
    return ""


def CountOf(label):
    """A count label of the "Ziele" page as a number: "-*-" (none) is 0."""
    text = label.strip()
    return int(text) if re.fullmatch(r"[0-9]+", text) else 0


def _UniqueNames(cities, side):
    names = []
    for city in cities:
        for slot in city[side]:
            if slot["name"] and slot["name"] not in names:
                names.append(slot["name"])
    return names


def _CheckDerived(scenario, where, problems):
    if scenario["damage"] is not None:
        for name, _ in WINDOW_FIELDS:
            if scenario[name] is not None:
                problems.append(f"{where}.{name}: set for a damaged scenario")
        return
    for name, _ in WINDOW_FIELDS:
        if scenario[name] is None and name != "mapSizeNumber":
            problems.append(f"{where}.{name}: null for a scenario that loaded")
            return
    labels = scenario["labels"]
    cities = scenario["cities"]
    expected = {
        "kind": labels["ScnStatusInfo"],
        "mapSize": labels["MapSizeInfo"],
        "mapSizeNumber": MAP_SIZES.get(labels["MapSizeInfo"]),
        "region": labels["MapLocationInfo"],
        "goals": labels["ZielInfo"],
        "cityCount": len(cities),
        "tradeCityCount": sum(city["CityType"] not in NO_TRADE_KINDS for city in cities),
        "goodsSold": _UniqueNames(cities, "sells"),
        "goodsBought": _UniqueNames(cities, "buys"),
        "requestCount": len(scenario["requests"]),
        "invasionCount": CountOf(labels["MilitaryInvasionsInfo"]),
        "militaryRequestCount": CountOf(labels["MilitaryRequestsInfo"]),
        "firstLine": FirstLine(scenario["story"]),
    }
    for name, value in expected.items():
        if scenario[name] != value:
            problems.append(f"{where}.{name}: {scenario[name]!r}, expected {value!r}")


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
    ids = [scenario["id"] for scenario in scenarios]
    if len(set(ids)) != len(ids):
        problems.append("catalogue.scenarios: an id occurs twice")
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
