#!/usr/bin/python3
"""browser_test.py CATALOGUE_FOLDER [--fixture] [--screenshots FOLDER]

The catalogue's page in headless Chromium, opened by its file:// address as a player opens
it, and the files beside it. What holds for any catalogue that the katalog program writes is
checked against its szenarien.json: the files' byte form, the rows, pictures, detail texts,
addresses and that no scenario text runs as code. With --fixture the folder is the one made
from fixture/szenarien.json, and search, sorting and filters are checked against fixed
tables of what the page shows for it."""
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
import make_fixture  # noqa: F401 (puts the page's folder on the path)
import seal_template
from browser import Chromium

WAIT_SECONDS = 20
BROWSER_PAGES = ("chrome:", "chrome-untrusted:", "chrome-extension:", "devtools:")
FOLDER = None  # the catalogue under test
FIXTURE = False  # it is the fixture's
SCREENSHOTS = None  # where the page's pictures go, or None

# ---- What the fixture gives (fixture/szenarien.json) ------------------------------------

# Short names of the fixture's scenarios, in the page's first order: by name in German
# order ("Ägyptens Küste" with the A's, "Limes 2" before "Limes 10").
FIXTURE_NAMES = {
    "img": "<img src=x onerror=alert(1)>", "Ägypten": "Ägyptens Küste", "Alesia": "Alesia",
    "Campania": "Campania Felix", "Legatus": "Legatus", "Limes2": "Limes 2",
    "Limes10": "Limes 10", "Nova": "Nova Roma", "ohne": "ohne Bild",
    "Straße": "Straße nach Süden", "Tiberis": "Tiberis", "Zerbrochen": "Zerbrochene Tafel",
}
NAME_ORDER = "img Ägypten Alesia Campania Legatus Limes2 Limes10 Nova ohne Straße Tiberis Zerbrochen"

# Query: the rows it shows. Umlauts fold and are written out, ß is ss, every word must
# match, markup is searched as text.
SEARCHES = (
    ("ol", "Ägypten Alesia Campania Legatus Limes10 Nova ohne Straße Tiberis"),
    ("Öl", "Ägypten Alesia Campania Legatus Limes10 Nova ohne Straße Tiberis"),
    ("oel", "Ägypten Alesia Straße Tiberis"),
    ("OLIVENÖL", "Ägypten Alesia Straße Tiberis"),
    ("strasse", "Straße"), ("Straße", "Straße"), ("ägypt", "Ägypten"), ("aegypt", "Ägypten"),
    ("Utica", "Tiberis"), ("tiberis wein", "Tiberis"), ("grusse", "Campania"),
    ("  carthago   NOVA ", "Tiberis"), ("<img", "img"), ("</script>", "img"), ("fett", "img"),
    ("Limes 1", "Limes2 Limes10"), ("xyzzy-nirgends", ""),
)

# Column: the rows ascending and descending. Rows without a value (the damaged ones) come
# last both ways; equal values keep name order.
SORTS = (
    (NAME_ORDER, "Zerbrochen Tiberis Straße ohne Nova Limes10 Limes2 Legatus Campania Alesia "
                 "Ägypten img"),
    ("Legatus Limes2 Limes10 Alesia Straße img Ägypten Campania Nova Tiberis ohne Zerbrochen",
     "img Ägypten Campania Nova Tiberis Straße Alesia Legatus Limes2 Limes10 ohne Zerbrochen"),
    ("img Legatus Limes2 Limes10 Straße Tiberis Alesia Campania Ägypten Nova ohne Zerbrochen",
     "Ägypten Nova Alesia Campania Limes2 Limes10 Straße Tiberis img Legatus ohne Zerbrochen"),
    ("Nova Ägypten Tiberis Alesia Limes2 Limes10 Campania Straße img Legatus ohne Zerbrochen",
     "img Legatus Campania Straße Alesia Limes2 Limes10 Tiberis Ägypten Nova ohne Zerbrochen"),
    ("img Campania Nova Ägypten Alesia Legatus Limes2 Limes10 Straße Tiberis ohne Zerbrochen",
     "Ägypten Alesia Legatus Limes2 Limes10 Straße Tiberis img Campania Nova ohne Zerbrochen"),
    ("img Limes2 Limes10 Nova Ägypten Alesia Campania Legatus Straße Tiberis ohne Zerbrochen",
     "Tiberis Ägypten Alesia Campania Legatus Straße img Limes2 Limes10 Nova ohne Zerbrochen"),
    ("Limes10 Legatus Alesia Tiberis Ägypten Campania Straße img Limes2 Nova ohne Zerbrochen",
     "Nova img Limes2 Straße Campania Ägypten Tiberis Alesia Legatus Limes10 ohne Zerbrochen"),
    ("Nova Tiberis Straße Ägypten Legatus img Campania Limes2 Alesia Limes10 ohne Zerbrochen",
     "Limes10 Alesia Limes2 Campania img Legatus Ägypten Straße Tiberis Nova ohne Zerbrochen"),
    ("Campania Limes2 Nova img Ägypten Limes10 Straße Alesia Legatus Tiberis ohne Zerbrochen",
     "Tiberis Alesia Legatus img Ägypten Limes10 Straße Campania Limes2 Nova ohne Zerbrochen"),
    ("img Ägypten Campania Legatus Limes2 Straße Alesia Limes10 Nova Tiberis ohne Zerbrochen",
     "Tiberis Alesia Limes10 Nova img Ägypten Campania Legatus Limes2 Straße ohne Zerbrochen"),
    ("img Ägypten Campania Limes2 Limes10 Nova Straße Alesia Legatus Tiberis ohne Zerbrochen",
     "Tiberis Legatus Alesia img Ägypten Campania Limes2 Limes10 Nova Straße ohne Zerbrochen"),
    ("img Legatus Limes2 Limes10 Ägypten Campania Alesia Straße Nova Tiberis ohne Zerbrochen",
     "Tiberis Nova Straße Alesia Campania Ägypten Limes10 Limes2 Legatus img ohne Zerbrochen"),
)


def Names(short_names):
    return [FIXTURE_NAMES[name] for name in short_names.split()]


def Address(s):
    """What follows "#" in a scenario's address, decoded: its base name, or its file name
    when that is all it has."""
    return s["id"] or s["file"]


def Traded(s):
    return set((s["goodsSold"] or []) + (s["goodsBought"] or []))


def Label(s, name):
    return next(label["text"] for label in s["labels"] if label["name"] == name)


def RgbText(colour):
    return "rgb({}, {}, {})".format(*(int(colour[i:i + 2], 16) for i in (1, 3, 5)))


def LoadCatalogue():
    return json.loads((FOLDER / "szenarien.json").read_text(encoding="utf-8"))


def ScriptData(path, opening):
    """The JSON that one of the catalogue's script files hands to the page."""
    text = path.read_bytes().decode()
    if not (text.startswith(opening + "(") and text.endswith(");\n")):
        raise AssertionError(f"{path.name} is not {opening}(...);")
    return text[len(opening) + 1:-3]


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

    def test_page_files_are_made_from_the_data(self):
        rows = re.search('<script type="application/json" id="katalog-zeilen">([^<]*)</script>',
                         self.page).group(1)
        search = json.loads(rows)["search"]
        self.assertRegex(search, r"^daten/suche-[0-9a-f]{32}\.js$")
        self.assertEqual(rows, catalogue_format.Serialize(
            catalogue_format.RowTable(self.data, search)))
        self.assertEqual(self.page, seal_template.Fill(
            seal_template.SealedTemplate(), [(seal_template.ROWS_PLACEHOLDER, rows)]))
        self.assertEqual((FOLDER / search).read_bytes().decode(),
                         catalogue_format.SearchScript(self.data))
        for s in self.data["scenarios"]:
            self.assertEqual((FOLDER / "daten" / (s["key"] + ".js")).read_bytes().decode(),
                             catalogue_format.DataPart(s), s["id"])
        fonts = ScriptData(FOLDER / "bilder" / "schriften.js", "katalogSchriften")
        faces = json.loads(fonts)
        self.assertEqual(fonts, catalogue_format.Serialize(faces))
        self.assertEqual([(f["family"], f["weight"]) for f in faces],
                         [(family, weight) for family, weight, _ in seal_template.FONTS])
        for face in faces:
            font = base64.b64decode(face["data"], validate=True)
            self.assertIn(font[:4], (b"\x00\x01\x00\x00", b"true"), face["family"])
        for raw, _ in catalogue_format.EMBED_ESCAPES:
            self.assertNotIn(raw, rows)

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
            goods.update(request["warePicture"] for request in s["requests"] or [])
            goods.update(good["picture"] for good in (s["resources"] or {"goods": []})["goods"])
        goods.discard(None)
        for name in sorted(goods):
            with Image.open(FOLDER / "bilder" / "waren" / (name + ".png")) as image:
                self.assertEqual(image.format, "PNG")
        with Image.open(FOLDER / "bilder" / "banner.png") as image:
            self.assertEqual(image.size, (278, 75))


# ---- The page in the browser -------------------------------------------------------------

# The rows in the list's order: only those around the window stand in the document, so the
# window walks down the list, and each row gives its place (aria-rowindex, from 2).
LISTED_IDS = """const done = arguments[arguments.length - 1];
(async () => {
  const table = document.getElementById('tabelle');
  const count = Number(table.getAttribute('aria-rowcount')) - 1;
  const ids = new Array(count);
  const frame = () => new Promise((resolve) => requestAnimationFrame(() => setTimeout(resolve, 0)));
  for (let y = 0; ; y += innerHeight / 2) {
    window.scrollTo(0, y);
    await frame();
    for (const row of document.querySelectorAll('#zeilen > .reihe')) {
      ids[Number(row.getAttribute('aria-rowindex')) - 2] = row.dataset.id;
    }
    if (y > document.documentElement.scrollHeight) break;
  }
  window.scrollTo(0, 0);
  await frame();
  done(ids);
})();"""

# Walks the list the same way and waits for every picture of its rows, giving the rows of
# those that did not load.
TABLE_PICTURES_FAILING = """const done = arguments[arguments.length - 1];
(async () => {
  const failing = [];
  const seen = new Set();
  const frame = () => new Promise((resolve) => requestAnimationFrame(() => setTimeout(resolve, 0)));
  for (let y = 0; ; y += innerHeight / 2) {
    window.scrollTo(0, y);
    await frame();
    for (const image of document.querySelectorAll('#zeilen img')) {
      if (seen.has(image)) continue;
      seen.add(image);
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
    if (y > document.documentElement.scrollHeight) break;
  }
  window.scrollTo(0, 0);
  done(failing);
})();"""

# The rows standing in the document, with their name, link, thumbnail and damage.
ROWS_SHOWN = """return [...document.querySelectorAll('#zeilen > .reihe')].map((row) => {
  const image = row.querySelector('img.vorschau');
  const damage = row.querySelector('.schaden');
  return [row.dataset.id, row.querySelector('.name').textContent,
          decodeURIComponent(row.querySelector('a').getAttribute('href').slice(1)),
          image && decodeURI(image.getAttribute('src')), damage && damage.textContent];
});"""

ALL_PICTURES_LOADED = """const root = arguments[0] || document;
    return [...root.querySelectorAll('img')].every((i) => i.complete && i.naturalWidth > 0);"""

# What the detail view shows, in document order: each label's caption and text by the
# name of its control, the cities and requests each as a list of them, the rich lines
# with their colours, the pages' titles.
DETAIL_CONTENT = """
const dialog = document.getElementById('detail');
const texts = (root) => [...root.querySelectorAll('[data-control], [data-caption]')]
    .map((e) => [e.dataset.control || 'caption ' + e.dataset.caption, e.textContent]);
const lines = (pane) => [...dialog.querySelectorAll(`[data-control="${pane}"] .zeile`)]
    .map((e) => [e.textContent, e.classList.contains('ueberschrift'), getComputedStyle(e).color]);
const one = (selector) => {
  const e = dialog.querySelector(selector);
  return e && e.textContent;
};
const map = dialog.querySelector('img.karte-bild');
return {
  open: dialog.open,
  id: dialog.dataset.id,
  labels: arguments[0].map(([name, coloured]) => {
    const e = dialog.querySelector(`[data-control="${name}"]`);
    return [name, one(`[data-caption="${name}"]`), e && e.textContent,
            coloured && e ? getComputedStyle(e).color : null];
  }),
  cities: [...dialog.querySelectorAll('[data-city]')].map(texts),
  requests: [...dialog.querySelectorAll('[data-request]')].map(texts),
  resources: [...dialog.querySelectorAll('[data-control="PGRessourcen"] li')]
      .map((e) => e.textContent),
  resourceHeader: one('[data-control="ResourceHeader"]'),
  invasions: lines('Invasionen'),
  military: lines('Anforderungen'),
  story: one('[data-control="Story"]'),
  damage: one('[data-control="Schaden"]'),
  tabs: [...dialog.querySelectorAll('#detail-reiter button')].map((e) => e.textContent),
  headings: [...dialog.querySelectorAll('h3, h4:not([data-control])')].map((e) => e.textContent),
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
    first_order = None  # the rows as the page first lists them

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
        if PageTest.first_order is None:
            PageTest.first_order = self.ListedIds()

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
        """Loads the page afresh (a new document, not a jump within the old one) and waits
        for its rows and its search texts."""
        self.driver.get("about:blank")
        self.driver.get(self.address + fragment)
        self.WaitUntil(lambda: self.driver.execute_script(
            "const d = document.documentElement.dataset; return [d.zustand, d.suche];")
            == ["bereit", "bereit"], "the page to start")

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

    def ListedIds(self):
        return self.driver.execute_async_script(LISTED_IDS)

    def Search(self, query):
        box = self.driver.find_element(By.ID, "suche")
        box.send_keys(Keys.CONTROL + "a")
        box.send_keys(Keys.BACKSPACE)
        if query:
            box.send_keys(query)

    def SortBy(self, column, ascending):
        header = self.driver.find_elements(By.CSS_SELECTOR, "#spalten [role=columnheader]")[column]
        wanted = "ascending" if ascending else "descending"
        for _ in range(2):
            if header.get_attribute("aria-sort") == wanted:
                return
            header.find_element(By.TAG_NAME, "button").click()
        self.assertEqual(header.get_attribute("aria-sort"), wanted)

    def Row(self, scenario_id):
        """The row of the scenario, brought into the document by a search for its name."""
        self.Search(scenario_id or ".scn")
        find = ("return [...document.querySelectorAll('#zeilen > .reihe')]"
                ".find((row) => row.dataset.id === arguments[0]);")
        self.WaitUntil(lambda: self.driver.execute_script(find, scenario_id),
                       f"the row of {scenario_id!r}")
        return self.driver.execute_script(find, scenario_id)

    def ById(self, scenario_id):
        return next(s for s in self.scenarios if s["id"] == scenario_id)

    def Subsequence(self, keep):
        """The rows of the page's first order that keep() keeps."""
        return [i for i in self.first_order if keep(self.ById(i))]

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
        captions = self.data["captions"]

        def Texts(labels):
            texts = []
            for label in labels:
                if label["caption"] is not None:
                    texts.append(["caption " + label["name"], label["caption"]])
                texts.append([label["name"], label["text"]])
            return texts

        cities = []
        for city in s["cities"]:
            texts = [["CityList", city["name"]]] + Texts(city["labels"])
            for prefix, slots in (("SellWare", city["sells"]), ("BuyWare", city["buys"])):
                for number, slot in enumerate(slots, 1):
                    texts += [[f"{prefix}{number}Count", slot["count"]],
                              [f"{prefix}{number}Name", slot["name"]]]
            cities.append(texts)
        requests = [[["REQList", r["entry"]]] + Texts(r["labels"]) for r in s["requests"]]
        pictures = sum(slot["picture"] is not None for city in s["cities"]
                       for slot in city["sells"] + city["buys"])
        pictures += sum(r["warePicture"] is not None for r in s["requests"])
        pictures += sum(g["picture"] is not None for g in s["resources"]["goods"])

        def Lines(lines):
            return [[line["text"], line["heading"]] for line in lines]

        tabs = [captions[name] for name in
                ("TabZiele", "TabHandel", "TabMilitaer", "TabKarte", "TabText")]
        return {
            "open": True, "id": s["id"],
            "labels": [[label["name"], label["caption"], label["text"],
                        RgbText(label["color"]) if "color" in label else None]
                       for label in s["labels"]],
            "cities": cities, "requests": requests,
            "resources": [good["name"] for good in s["resources"]["goods"]],
            "resourceHeader": s["resources"]["header"],
            "invasions": Lines(s["invasions"]), "military": Lines(s["militaryRequests"]),
            "story": s["story"], "goodsPictures": pictures, "tabs": tabs,
            "headings": [captions[name] for name in
                         ("TabKarte", "TabZiele", "AllgemeinLabel", "TabHandel",
                          "TabWarenhandel", "TabForderungen", "PGRessourcen", "TabMilitaer",
                          "TabText")],
        }

    def CheckDetail(self, s):
        self.AssertSoon(lambda: self.driver.execute_script(
            "const d = document.getElementById('detail'); return [d.open, d.dataset.id];"),
            [True, s["id"]], "the detail view of " + repr(s["id"]))
        labels = [[label["name"], "color" in label] for label in s["labels"] or []]
        detail = self.driver.execute_script(DETAIL_CONTENT, labels)
        expected = self.ExpectedDetail(s)
        # Headings and coloured lines in the colour the data gives them.
        for key, lines in (("invasions", "invasions"), ("military", "militaryRequests")):
            if key in expected:
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

    # -- tests that hold for any catalogue --

    def test_rows_and_pictures(self):
        self.assertEqual(sorted(self.first_order), sorted(s["id"] for s in self.scenarios))
        self.assertEqual(self.driver.execute_async_script(TABLE_PICTURES_FAILING), [],
                         "pictures of the table that did not load")
        self.WaitUntil(lambda: self.driver.execute_script(
            ALL_PICTURES_LOADED, self.driver.find_element(By.ID, "kopf")), "the banner to load")
        for s in self.DetailScenarios():
            self.Row(s["id"])
            row = next(r for r in self.driver.execute_script(ROWS_SHOWN) if r[0] == s["id"])
            damage = s["damage"] and s["damage"]["title"] + ": " + s["damage"]["text"]
            self.assertEqual(row[1:], [s["id"], Address(s),
                                       s["thumbnail"] and s["thumbnail"]["path"], damage])
        self.Search("")
        if SCREENSHOTS:
            self.WaitUntil(lambda: self.driver.execute_script(
                "return document.fonts.status === 'loaded' && document.fonts.size === 3"),
                "the fonts")
            SCREENSHOTS.mkdir(parents=True, exist_ok=True)
            self.driver.save_screenshot(str(SCREENSHOTS / "katalog.png"))

    def test_search_finds_each_name(self):
        for s in self.scenarios[:40]:
            self.Search(s["id"])
            self.AssertSoon(lambda: s["id"] in self.ListedIds(), True, f"search {s['id']!r}")
        self.Search("xyzzy-nirgends")
        self.AssertSoon(self.ListedIds, [], "a search that matches nothing")
        self.assertTrue(self.driver.find_element(By.ID, "keine-treffer").is_displayed())

    def test_filters(self):
        choices = {
            "filter-art": lambda s, v: s["labels"] is not None and Label(s, "ScnStatusInfo") == v,
            "filter-region": lambda s, v: s["labels"] is not None and Label(s, "MapLocationInfo") == v,
            "filter-karte": lambda s, v: s["labels"] is not None and Label(s, "MapSizeInfo") == v,
        }
        for element, keep in choices.items():
            select = Select(self.driver.find_element(By.ID, element))
            for value in [o.get_attribute("value") for o in select.options][1:]:
                select.select_by_value(value)
                self.AssertSoon(self.ListedIds, self.Subsequence(lambda s: keep(s, value)),
                                f"{element} {value!r}")
            select.select_by_value("")
        for element, field in (("filter-invasionen", "invasionCount"),
                               ("filter-militaer", "militaryRequestCount")):
            select = Select(self.driver.find_element(By.ID, element))
            for value, wanted in (("ja", True), ("nein", False)):
                select.select_by_value(value)
                self.AssertSoon(self.ListedIds, self.Subsequence(
                    lambda s: s[field] is not None and (s[field] > 0) == wanted),
                    f"{element} {value}")
            select.select_by_value("")

        # Goods: the two traded most often, one and then both.
        counts = collections.Counter(good for s in self.scenarios for good in Traded(s))
        goods = [good for good, _ in counts.most_common(2)]
        self.driver.find_element(By.ID, "waren-zusammenfassung").click()
        for index, good in enumerate(goods):
            box = self.driver.execute_script(
                "return [...document.querySelectorAll('#waren-liste input')]"
                ".find((box) => box.value === arguments[0]);", good)
            box.click()
            chosen = set(goods[:index + 1])
            self.AssertSoon(self.ListedIds, self.Subsequence(lambda s: chosen <= Traded(s)),
                            f"goods {sorted(chosen)}")
        self.driver.find_element(By.ID, "zuruecksetzen").click()
        self.AssertSoon(self.ListedIds, self.first_order, "filters reset")

    def test_detail_by_click_and_escape(self):
        for s in self.DetailScenarios():
            row = self.Row(s["id"])
            row.find_elements(By.CSS_SELECTOR, "[role=cell]")[1].click()
            self.CheckDetail(s)
            self.assertEqual(urllib.parse.unquote(self.driver.execute_script(
                "return location.hash")[1:]), Address(s), "the address names the scenario")
            self.CloseDetailWithEscape()

    def test_keyboard(self):
        first = self.first_order[0]
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
            self.Open("")
            link = self.Row(s["id"]).find_element(By.TAG_NAME, "a")
            self.Open("#" + link.get_attribute("href").split("#", 1)[1])
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
                             {"flag": "undefined", "handlers": 0, "scripts": 2, "bold": 0})
            with self.assertRaises(NoAlertPresentException):
                self.driver.switch_to.alert.text

    def test_screenshot_of_a_detail(self):
        if not SCREENSHOTS:
            self.skipTest("no --screenshots folder")
        loaded = [s for s in self.scenarios if not s["damage"]]
        s = max(loaded, key=lambda s: (len(s["cities"]), len(s["requests"])))
        self.Open("#" + urllib.parse.quote(s["id"], safe=""))
        self.CheckDetail(s)
        self.WaitUntil(lambda: self.driver.execute_script(
            "return document.fonts.status === 'loaded' && document.fonts.size === 3"),
            "the fonts")
        SCREENSHOTS.mkdir(parents=True, exist_ok=True)
        self.driver.save_screenshot(str(SCREENSHOTS / "katalog_detail.png"))

    # -- the fixture's tables --

    def test_fixture_order_search_and_sorting(self):
        if not FIXTURE:
            self.skipTest("not the fixture's catalogue")
        self.assertEqual(self.first_order, Names(NAME_ORDER))
        for query, shown in SEARCHES:
            self.Search(query)
            self.AssertSoon(self.ListedIds, Names(shown), f"search {query!r}")
            self.assertEqual(self.driver.find_element(By.ID, "keine-treffer").is_displayed(),
                             not shown, query)
        self.Search("")
        for column, (ascending, descending) in enumerate(SORTS):
            for up, order in ((True, ascending), (False, descending)):
                self.SortBy(column, up)
                self.AssertSoon(self.ListedIds, Names(order),
                                f"column {column} {'up' if up else 'down'}")
        # A search keeps the chosen order.
        self.Search("oel")
        self.AssertSoon(self.ListedIds, Names("Tiberis Straße Alesia Ägypten"), "sorted search")


def main():
    global FOLDER, FIXTURE, SCREENSHOTS
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[1])
    parser.add_argument("folder", type=pathlib.Path)
    parser.add_argument("--fixture", action="store_true")
    parser.add_argument("--screenshots", type=pathlib.Path)
    arguments, rest = parser.parse_known_args()
    FOLDER = arguments.folder.resolve()
    FIXTURE = arguments.fixture
    SCREENSHOTS = arguments.screenshots
    unittest.main(argv=[sys.argv[0]] + rest, verbosity=2)


if __name__ == "__main__":
    main()
