#!/usr/bin/python3
"""browser_test.py CATALOGUE_FOLDER [--screenshots FOLDER]

The catalogue's page in headless Chromium, opened by its file:// address as a player opens
it, and the files beside it. Every expectation is computed here from the folder's
szenarien.json, independently of the page's script, so the test holds for any catalogue
that the katalog program writes."""
import argparse
import base64
import collections
import json
import pathlib
import re
import sys
import unicodedata
import unittest
import urllib.parse

from PIL import Image
from selenium.common.exceptions import NoAlertPresentException, TimeoutException
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import Select, WebDriverWait

import catalogue_format
from browser import Chromium
from make_fixture import DATA_PLACEHOLDER, FONT_PLACEHOLDERS, TEMPLATE, FillTemplate

WAIT_SECONDS = 20
BROWSER_PAGES = ("chrome:", "chrome-untrusted:", "chrome-extension:", "devtools:")
FOLDER = None  # the catalogue under test
SCREENSHOTS = None  # where the page's pictures go, or None

# ---- Expectations, from the data alone -------------------------------------------------

MARKS = re.compile("[\u0300-\u036f]")


def Folded(text):
    return MARKS.sub("", unicodedata.normalize("NFD", text.lower().replace("ß", "ss")))


def WrittenOut(text):
    text = unicodedata.normalize("NFC", text.lower()).replace("ß", "ss")
    for umlaut, spelled in (("ä", "ae"), ("ö", "oe"), ("ü", "ue")):
        text = text.replace(umlaut, spelled)
    return MARKS.sub("", unicodedata.normalize("NFD", text))


RATINGS = ("CultureInfo", "SecurityInfo", "ProsperityInfo", "FavorInfo", "PopulationInfo")


def SearchText(s):
    parts = [s["id"], s["file"]]
    if s["damage"]:
        parts.append(s["damage"]["text"])
    if s["goals"] is not None:
        parts.append(s["goals"])
    if s["labels"]:
        parts += [s["labels"][name] for name in RATINGS]
    parts += [city["name"] for city in s["cities"] or []]
    parts += (s["goodsSold"] or []) + (s["goodsBought"] or [])
    parts += [request["REQWareName"] for request in s["requests"] or []]
    if s["story"] is not None:
        parts.append(s["story"])
    return "\n".join(parts)


def MatchesQuery(s, query):
    text = SearchText(s)
    return all(Folded(word) in Folded(text) or WrittenOut(word) in WrittenOut(text)
               for word in query.split())


def CollationKey(text):
    """German order as the page's collator gives it for the texts of a catalogue: letters by
    their base letter (ä as a, ß as ss), digit runs by value, blanks before punctuation before
    symbols before digits before letters; then accents, then lower before upper case."""
    primary, secondary, tertiary = [], [], []
    for token in re.findall(r"[0-9]+|.", unicodedata.normalize("NFC", text), re.S):
        if token.isascii() and token.isdigit():
            primary.append((3, int(token)))
            secondary.append(())
            tertiary.append(0)
            continue
        decomposed = unicodedata.normalize("NFD", token)
        base = decomposed[0]
        category = unicodedata.category(base)
        if category.startswith("L"):
            for letter in base.lower().replace("ß", "ss"):
                primary.append((4, letter))
                secondary.append(tuple(decomposed[1:]))
                tertiary.append(int(base.isupper()))
            continue
        group = 0 if base.isspace() else 1 if category.startswith("P") else 2
        primary.append((group, ord(base)))
        secondary.append(())
        tertiary.append(0)
    return primary, secondary, tertiary


# The table's columns: how each sorts (by text or by number) and what it sorts by.
COLUMNS = (
    ("text", lambda s: s["id"]),
    ("text", lambda s: s["kind"]),
    ("number", lambda s: s["mapSizeNumber"]),
    ("text", lambda s: s["region"]),
    ("text", lambda s: s["goals"]),
    ("number", lambda s: s["tradeCityCount"]),
    ("text", lambda s: None if s["goodsSold"] is None else ", ".join(s["goodsSold"])),
    ("text", lambda s: None if s["goodsBought"] is None else ", ".join(s["goodsBought"])),
    ("number", lambda s: s["requestCount"]),
    ("number", lambda s: s["invasionCount"]),
    ("number", lambda s: s["militaryRequestCount"]),
    ("text", lambda s: s["firstLine"]),
)


def SortedIds(scenarios, column=0, ascending=True):
    """Rows with a value by that value; rows without one last; ties in name order."""
    kind, value = COLUMNS[column]
    by_name = sorted(range(len(scenarios)),
                     key=lambda i: (CollationKey(scenarios[i]["id"]), i))
    present = [i for i in by_name if value(scenarios[i]) is not None]
    missing = [i for i in by_name if value(scenarios[i]) is None]
    key = (lambda i: CollationKey(value(scenarios[i]))) if kind == "text" else (
        lambda i: value(scenarios[i]))
    present.sort(key=key, reverse=not ascending)
    return [scenarios[i]["id"] for i in present + missing]


def Address(s):
    """What follows "#" in a scenario's address, decoded: its base name, or its file name
    when that is all it has."""
    return s["id"] or s["file"]


def Traded(s):
    return set((s["goodsSold"] or []) + (s["goodsBought"] or []))


def RgbText(colour):
    return "rgb({}, {}, {})".format(*(int(colour[i:i + 2], 16) for i in (1, 3, 5)))


def LoadCatalogue():
    return json.loads((FOLDER / "szenarien.json").read_text(encoding="utf-8"))


# ---- The files ------------------------------------------------------------------------

class CatalogueFilesTest(unittest.TestCase):
    """The folder as the katalog program leaves it, byte for byte where the format says so."""

    def setUp(self):
        self.data = LoadCatalogue()
        self.page = (FOLDER / "index.html").read_bytes().decode()

    def test_data_follows_the_format(self):
        self.assertEqual(catalogue_format.CheckCatalogue(self.data), [])
        raw = (FOLDER / "szenarien.json").read_bytes().decode()
        self.assertEqual(raw, catalogue_format.Serialize(self.data) + "\n",
                         "szenarien.json is not in the documented byte form")

    def test_page_is_the_template_filled_with_the_data_and_fonts(self):
        fonts = []
        for placeholder, _ in FONT_PLACEHOLDERS:
            element = placeholder.strip("{}").lower().replace("_", "-")
            match = re.search(f'<script type="text/plain" id="{element}">([^<]*)</script>',
                              self.page)
            self.assertIsNotNone(match, element)
            font = base64.b64decode(match.group(1), validate=True)
            self.assertIn(font[:4], (b"\x00\x01\x00\x00", b"true"), f"{element}: no TrueType")
            fonts.append((placeholder, match.group(1)))
        data = catalogue_format.Serialize(self.data)
        template = TEMPLATE.read_bytes().decode()
        self.assertEqual(self.page, FillTemplate(template, [(DATA_PLACEHOLDER, data)] + fonts))
        for raw, _ in catalogue_format.EMBED_ESCAPES:
            self.assertNotIn(raw, data)

    def test_every_named_picture_is_a_png_of_its_size(self):
        goods = set()
        for s in self.data["scenarios"]:
            for key in ("thumbnail", "picture"):
                if s[key]:
                    with Image.open(FOLDER / s[key]["path"]) as image:
                        self.assertEqual((image.format, image.size),
                                         ("PNG", (s[key]["width"], s[key]["height"])))
            for city in s["cities"] or []:
                goods.update(slot["picture"] for slot in city["sells"] + city["buys"])
            goods.update(request["REQWarePicture"] for request in s["requests"] or [])
            goods.update(good["picture"] for good in (s["resources"] or {"goods": []})["goods"])
        goods.discard(None)
        for name in sorted(goods):
            with Image.open(FOLDER / "bilder" / "waren" / (name + ".png")) as image:
                self.assertEqual(image.format, "PNG")
        with Image.open(FOLDER / "bilder" / "banner.png") as image:
            self.assertEqual(image.size, (278, 75))


# ---- The page in the browser -------------------------------------------------------------

VISIBLE_IDS = """return [...document.querySelectorAll('#zeilen > .reihe')]
    .filter((row) => !row.hidden).map((row) => row.dataset.id);"""

# Scrolls every picture of the table into view in turn, so that the lazy ones load, and
# gives the rows of those that did not.
TABLE_PICTURES_FAILING = """const done = arguments[arguments.length - 1];
(async () => {
  const failing = [];
  for (const image of document.querySelectorAll('#zeilen img')) {
    image.scrollIntoView({block: 'center'});
    await new Promise((resolve) => {
      if (image.complete) return resolve();
      image.addEventListener('load', resolve, {once: true});
      image.addEventListener('error', resolve, {once: true});
      setTimeout(resolve, 5000);
    });
    if (!(image.complete && image.naturalWidth > 0)) {
      failing.push([image.closest('.reihe').dataset.id, image.getAttribute('src')]);
    }
  }
  window.scrollTo(0, 0);
  done(failing);
})();"""

ALL_PICTURES_LOADED = """const root = arguments[0] || document;
    return [...root.querySelectorAll('img')].every((i) => i.complete && i.naturalWidth > 0);"""

# What the detail view shows, in document order: each control's name and text, grouped by
# the city or request it belongs to.
DETAIL_CONTENT = """
const dialog = document.getElementById('detail');
const controls = (root) => [...root.querySelectorAll('[data-control]')]
    .map((e) => [e.dataset.control, e.textContent]);
const lines = (pane) => [...dialog.querySelectorAll(`[data-control="${pane}"] .zeile`)]
    .map((e) => [e.textContent, e.classList.contains('ueberschrift'), getComputedStyle(e).color]);
const one = (name) => {
  const e = dialog.querySelector(`[data-control="${name}"]`);
  return e && e.textContent;
};
const ziel = dialog.querySelector('[data-control="ZielInfo"]');
const map = dialog.querySelector('img.karte-bild');
return {
  open: dialog.open,
  id: dialog.dataset.id,
  labels: arguments[0].map((name) => [name, one(name)]),
  zielColour: ziel && getComputedStyle(ziel).color,
  cities: [...dialog.querySelectorAll('[data-city]')].map(controls),
  requests: [...dialog.querySelectorAll('[data-request]')].map(controls),
  resources: [...dialog.querySelectorAll('[data-control="PGRessourcen"] li')]
      .map((e) => e.textContent),
  invasions: lines('Invasionen'),
  military: lines('Anforderungen'),
  story: one('Story'),
  damage: one('Schaden'),
  map: map && map.getAttribute('src'),
  goodsPictures: dialog.querySelectorAll('img[src^="bilder/waren/"]').length,
};"""

INJECTED = """return {
  flag: typeof window.eingeschleust,
  handlers: [...document.querySelectorAll('*')].filter((e) => [...e.attributes]
      .some((a) => a.name.startsWith('on'))).length,
  scripts: document.scripts.length,
  bold: document.querySelectorAll('#zeilen b, #detail b').length,
};"""


class PageTest(unittest.TestCase):
    maxDiff = None

    @classmethod
    def setUpClass(cls):
        cls.data = LoadCatalogue()
        cls.scenarios = cls.data["scenarios"]
        cls.address = (FOLDER / "index.html").resolve().as_uri()
        cls.chromium = Chromium()
        cls.driver = cls.chromium.__enter__()

    @classmethod
    def tearDownClass(cls):
        cls.chromium.__exit__(None, None, None)

    def setUp(self):
        self.Open("")

    def tearDown(self):
        # Every test ends with a clean console and no request beyond the page's own files.
        # The browser's own pages (a new tab's) are no concern of the page.
        errors = [e["message"] for e in self.driver.get_log("browser") if e["level"] == "SEVERE"]
        requests = []
        for entry in self.driver.get_log("performance"):
            message = json.loads(entry["message"])["message"]
            if message["method"] != "Network.requestWillBeSent":
                continue
            params = message["params"]
            if params.get("documentURL", "").startswith(BROWSER_PAGES):
                continue
            if not params["request"]["url"].startswith(("file:", "data:", "about:blank")):
                requests.append(params["request"]["url"])
        self.assertEqual(errors, [], "console errors")
        self.assertEqual(requests, [], "requests beyond file: and data:")

    # -- helpers --

    def Open(self, fragment):
        """Loads the page afresh (a new document, not a jump within the old one)."""
        self.driver.get("about:blank")
        self.driver.get(self.address + fragment)
        self.WaitUntil(lambda: self.driver.execute_script(
            "return document.documentElement.dataset.zustand") == "bereit", "the page to start")

    def WaitUntil(self, condition, what):
        try:
            WebDriverWait(self.driver, WAIT_SECONDS).until(lambda _: condition())
        except TimeoutException:
            self.fail(f"timed out waiting for {what}")

    def AssertSoon(self, read, expected, what):
        """Waits until read() gives expected; reports the difference when it never does."""
        try:
            WebDriverWait(self.driver, WAIT_SECONDS).until(lambda _: read() == expected)
        except TimeoutException:
            self.assertEqual(read(), expected, what)

    def VisibleIds(self):
        return self.driver.execute_script(VISIBLE_IDS)

    def Search(self, query):
        box = self.driver.find_element(By.ID, "suche")
        box.send_keys(Keys.CONTROL + "a")
        box.send_keys(Keys.BACKSPACE)
        if query:
            box.send_keys(query)

    def ResetFilters(self):
        self.driver.find_element(By.ID, "zuruecksetzen").click()

    def SortBy(self, column, ascending):
        header = self.driver.find_elements(By.CSS_SELECTOR, "#spalten [role=columnheader]")[column]
        wanted = "ascending" if ascending else "descending"
        for _ in range(2):
            if header.get_attribute("aria-sort") == wanted:
                return
            header.find_element(By.TAG_NAME, "button").click()
        self.assertEqual(header.get_attribute("aria-sort"), wanted)

    def Row(self, scenario_id):
        return self.driver.execute_script(
            "return [...document.querySelectorAll('#zeilen > .reihe')]"
            ".find((row) => row.dataset.id === arguments[0]);", scenario_id)

    def Detail(self):
        return self.driver.execute_script(DETAIL_CONTENT, catalogue_format.LABELS)

    def ExpectedIds(self, keep):
        return [i for i in SortedIds(self.scenarios) if keep(self.ById(i))]

    def ById(self, scenario_id):
        return next(s for s in self.scenarios if s["id"] == scenario_id)

    def CloseDetailWithEscape(self):
        ActionChains(self.driver).send_keys(Keys.ESCAPE).perform()
        self.AssertSoon(lambda: self.driver.execute_script(
            "return [document.getElementById('detail').open, location.hash]"), [False, ""],
            "the detail view closed and its address gone")

    def DetailScenarios(self):
        """The scenarios whose detail view is compared: damaged ones, ones with markup or
        letters beyond ASCII in their name, and the first of the rest, at most 24 in all."""
        special = [s for s in self.scenarios
                   if s["damage"] or not s["id"].isascii() or "<" in s["id"] or " " in s["id"]]
        chosen = special[:12]
        chosen += [s for s in self.scenarios if s not in chosen][:24 - len(chosen)]
        return chosen

    def ExpectedDetail(self, s):
        if s["damage"]:
            return {"open": True, "id": s["id"],
                    "damage": s["damage"]["title"] + s["damage"]["text"]}
        labels = s["labels"]
        cities = []
        for city in s["cities"]:
            controls = [["CityList", city["name"]]] + [
                [name, city[name]] for name in ("CityType", "TradeRouteType", "TradeRouteStatus")]
            for prefix, slots in (("SellWare", city["sells"]), ("BuyWare", city["buys"])):
                for number, slot in enumerate(slots, 1):
                    controls += [[f"{prefix}{number}Count", slot["count"]],
                                 [f"{prefix}{number}Name", slot["name"]]]
            cities.append(controls)
        requests = [[["REQList", r["entry"]]] + [
            [name, r[name]] for name in ("REQWareCount", "REQWareName", "REQTime", "REQComply",
                                         "REQRecurs", "REQReward", "REQPenalty", "REQText")]
            for r in s["requests"]]
        pictures = sum(slot["picture"] is not None for city in s["cities"]
                       for slot in city["sells"] + city["buys"])
        pictures += sum(r["REQWarePicture"] is not None for r in s["requests"])
        pictures += sum(g["picture"] is not None for g in s["resources"]["goods"])

        def Lines(lines):
            return [[line["text"], line["heading"]] for line in lines]

        return {
            "open": True, "id": s["id"],
            "labels": [[name, labels[name]] for name in catalogue_format.LABELS],
            "zielColour": RgbText(s["labelColors"]["ZielInfo"]),
            "cities": cities, "requests": requests,
            "resources": [good["name"] for good in s["resources"]["goods"]],
            "invasions": Lines(s["invasions"]), "military": Lines(s["militaryRequests"]),
            "story": s["story"], "goodsPictures": pictures,
        }

    def CheckDetail(self, s):
        self.AssertSoon(lambda: self.driver.execute_script(
            "const d = document.getElementById('detail'); return [d.open, d.dataset.id];"),
            [True, s["id"]], "the detail view of " + repr(s["id"]))
        detail = self.Detail()
        expected = self.ExpectedDetail(s)
        # Headings and coloured lines in the colour the data gives them.
        for key, lines in (("invasions", "invasions"), ("military", "militaryRequests")):
            if key in detail and not s["damage"]:
                for shown, line in zip(detail[key], s[lines]):
                    if line["color"]:
                        self.assertEqual(shown[2], RgbText(line["color"]), line["text"])
                detail[key] = [shown[:2] for shown in detail[key]]
        actual = {key: detail[key] for key in expected}
        self.assertEqual(actual, expected, s["id"])
        if s["picture"]:
            self.assertEqual(urllib.parse.unquote(detail["map"]), s["picture"]["path"])
        dialog = self.driver.find_element(By.ID, "detail")
        self.WaitUntil(lambda: self.driver.execute_script(ALL_PICTURES_LOADED, dialog),
                       f"every picture of {s['id']!r} to load")

    # -- tests --

    def test_rows_and_pictures(self):
        self.assertEqual(self.VisibleIds(), SortedIds(self.scenarios))
        self.assertEqual(self.driver.execute_async_script(TABLE_PICTURES_FAILING), [],
                         "pictures of the table that did not load")
        self.WaitUntil(lambda: self.driver.execute_script(
            ALL_PICTURES_LOADED, self.driver.find_element(By.ID, "kopf")), "the banner to load")
        thumbnails = self.driver.execute_script(
            "return [...document.querySelectorAll('#zeilen img.vorschau')]"
            ".map((i) => [i.closest('.reihe').dataset.id, decodeURI(i.getAttribute('src'))]);")
        self.assertEqual(sorted(thumbnails), sorted(
            [s["id"], s["thumbnail"]["path"]] for s in self.scenarios if s["thumbnail"]))
        damaged = self.driver.execute_script(
            "return [...document.querySelectorAll('#zeilen > .beschaedigt')]"
            ".map((row) => [row.dataset.id, row.querySelector('.schaden').textContent]);")
        self.assertEqual(sorted(damaged), sorted(
            [s["id"], s["damage"]["title"] + ": " + s["damage"]["text"]]
            for s in self.scenarios if s["damage"]))
        links = self.driver.execute_script(
            "return [...document.querySelectorAll('#zeilen > .reihe')].map((row) => "
            "[row.dataset.id, row.querySelector('.name').textContent, "
            "row.querySelector('a').getAttribute('href')]);")
        for scenario_id, name, link in links:
            self.assertEqual(name, scenario_id)
            self.assertEqual(urllib.parse.unquote(link[1:]), Address(self.ById(scenario_id)))
        if SCREENSHOTS:
            SCREENSHOTS.mkdir(parents=True, exist_ok=True)
            self.driver.save_screenshot(str(SCREENSHOTS / "katalog.png"))

    def test_search(self):
        queries = ["ol", "Öl", "oel", "OLIVENÖL", "strasse", "Straße", "ägypt", "aegypt",
                   "Utica", "tiberis wein", "grusse", "  carthago   NOVA ", "<img", "</script>",
                   "xyzzy-nirgends"]
        queries += [s["cities"][-1]["name"] for s in self.scenarios if s["cities"]][:2]
        for query in queries:
            self.Search(query)
            expected = self.ExpectedIds(lambda s: MatchesQuery(s, query))
            self.AssertSoon(self.VisibleIds, expected, f"search {query!r}")
            self.assertEqual(self.driver.find_element(By.ID, "keine-treffer").is_displayed(),
                             not expected, query)

    def test_filters(self):
        choices = {
            "filter-art": ("kind", lambda s, v: s["kind"] == v),
            "filter-region": ("region", lambda s, v: s["region"] == v),
            "filter-karte": ("mapSize", lambda s, v: s["mapSize"] == v),
        }
        for element, (field, keep) in choices.items():
            select = Select(self.driver.find_element(By.ID, element))
            values = [o.get_attribute("value") for o in select.options][1:]
            present = {s[field] for s in self.scenarios if s[field] is not None}
            self.assertEqual(set(values), present, element)
            if field != "mapSize":
                self.assertEqual(values, sorted(values, key=CollationKey), element)
            for value in values:
                select.select_by_value(value)
                self.AssertSoon(self.VisibleIds, self.ExpectedIds(lambda s: keep(s, value)),
                                f"{element} {value!r}")
            select.select_by_value("")
        for element, field in (("filter-invasionen", "invasionCount"),
                               ("filter-militaer", "militaryRequestCount")):
            select = Select(self.driver.find_element(By.ID, element))
            for value, wanted in (("ja", True), ("nein", False)):
                select.select_by_value(value)
                expected = self.ExpectedIds(
                    lambda s: s[field] is not None and (s[field] > 0) == wanted)
                self.AssertSoon(self.VisibleIds, expected, f"{element} {value}")
            select.select_by_value("")

        # Goods: the two traded most often, one and then both, and then with a search.
        counts = {}
        for s in self.scenarios:
            for good in Traded(s):
                counts[good] = counts.get(good, 0) + 1
        goods = sorted(counts, key=lambda g: (-counts[g], CollationKey(g)))[:2]
        self.driver.find_element(By.ID, "waren-zusammenfassung").click()
        for index, good in enumerate(goods):
            box = self.driver.execute_script(
                "return [...document.querySelectorAll('#waren-liste input')]"
                ".find((box) => box.value === arguments[0]);", good)
            box.click()
            chosen = set(goods[:index + 1])
            self.AssertSoon(self.VisibleIds, self.ExpectedIds(lambda s: chosen <= Traded(s)),
                            f"goods {sorted(chosen)}")
        self.Search("ol")
        self.AssertSoon(self.VisibleIds, self.ExpectedIds(
            lambda s: set(goods) <= Traded(s) and MatchesQuery(s, "ol")), "goods and search")
        self.ResetFilters()
        self.AssertSoon(self.VisibleIds, SortedIds(self.scenarios), "filters reset")

    def test_sorting(self):
        for column in range(len(COLUMNS)):
            for ascending in (True, False):
                self.SortBy(column, ascending)
                self.AssertSoon(self.VisibleIds, SortedIds(self.scenarios, column, ascending),
                                f"column {column} {'up' if ascending else 'down'}")
        # A search keeps the chosen order.
        self.Search("a")
        self.AssertSoon(self.VisibleIds, [i for i in SortedIds(self.scenarios, 11, False)
                                          if MatchesQuery(self.ById(i), "a")], "sorted search")

    def test_detail_by_click_and_escape(self):
        for s in self.DetailScenarios():
            row = self.Row(s["id"])
            row.find_elements(By.CSS_SELECTOR, "[role=cell]")[1].click()
            self.CheckDetail(s)
            self.assertEqual(urllib.parse.unquote(self.driver.execute_script(
                "return location.hash")[1:]), Address(s), "the address names the scenario")
            self.CloseDetailWithEscape()

    def test_keyboard(self):
        first = SortedIds(self.scenarios)[0]
        self.driver.find_element(By.ID, "zuruecksetzen").click()
        for _ in range(40):
            ActionChains(self.driver).send_keys(Keys.TAB).perform()
            if self.driver.execute_script(
                    "return document.activeElement.closest('#zeilen') !== null"):
                break
        else:
            self.fail("Tab never reaches the rows")
        self.assertEqual(self.driver.execute_script(
            "return document.activeElement.closest('.reihe').dataset.id"), first)
        ActionChains(self.driver).send_keys(Keys.ENTER).perform()
        self.CheckDetail(self.ById(first))
        self.CloseDetailWithEscape()
        self.assertEqual(self.driver.execute_script(
            "return document.activeElement.closest('.reihe').dataset.id"), first,
            "focus back on the row")

    def test_address_opens_a_scenario(self):
        for s in self.DetailScenarios()[:8]:
            self.Open("#" + urllib.parse.quote(s["id"], safe=""))
            self.CheckDetail(s)
        s = self.DetailScenarios()[0]
        self.Open("#" + urllib.parse.quote(s["file"], safe=""))
        self.CheckDetail(s)
        self.Open("#" + urllib.parse.quote("kein Szenario dieses Namens", safe=""))
        self.assertFalse(self.driver.execute_script(
            "return document.getElementById('detail').open"))

    def test_every_scenario_has_its_own_address(self):
        """A scenario named ".scn", and two whose names differ only in their Unicode form, each
        open by the address of their row."""
        forms = collections.Counter(unicodedata.normalize("NFC", s["id"]) for s in self.scenarios)
        special = [s for s in self.scenarios
                   if not s["id"] or forms[unicodedata.normalize("NFC", s["id"])] > 1]
        if not special:
            self.skipTest("the catalogue holds no such names")
        for s in special:
            link = self.Row(s["id"]).find_element(By.TAG_NAME, "a").get_attribute("href")
            self.Open("#" + link.split("#", 1)[1])
            self.CheckDetail(s)

    def test_scenario_texts_stay_text(self):
        marked_up = [s for s in self.scenarios if "<" in s["id"]]
        self.assertTrue(marked_up, "the catalogue holds no scenario named with markup")
        for s in marked_up:
            self.assertEqual(self.Row(s["id"]).find_element(By.CLASS_NAME, "name").text,
                             s["id"])
            self.Open("#" + urllib.parse.quote(s["id"], safe=""))
            self.CheckDetail(s)
            self.assertEqual(self.driver.execute_script(INJECTED),
                             {"flag": "undefined", "handlers": 0, "scripts": 5, "bold": 0})
            with self.assertRaises(NoAlertPresentException):
                self.driver.switch_to.alert.text

    def test_screenshot_of_a_detail(self):
        if not SCREENSHOTS:
            self.skipTest("no --screenshots folder")
        loaded = [s for s in self.scenarios if not s["damage"]]
        s = max(loaded, key=lambda s: (len(s["cities"]), len(s["requests"])))
        self.Open("#" + urllib.parse.quote(s["id"], safe=""))
        self.CheckDetail(s)
        SCREENSHOTS.mkdir(parents=True, exist_ok=True)
        self.driver.save_screenshot(str(SCREENSHOTS / "katalog_detail.png"))


def main():
    global FOLDER, SCREENSHOTS
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[1])
    parser.add_argument("folder", type=pathlib.Path)
    parser.add_argument("--screenshots", type=pathlib.Path)
    arguments, rest = parser.parse_known_args()
    FOLDER = arguments.folder.resolve()
    SCREENSHOTS = arguments.screenshots
    unittest.main(argv=[sys.argv[0]] + rest, verbosity=2)


if __name__ == "__main__":
    main()
