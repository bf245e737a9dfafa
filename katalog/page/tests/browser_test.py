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
import contextlib
import json
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile
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
SORTED_BY = ("Szenario Art Karte Region Ziele Handelsstädte verkauft kauft Forderungen Invasionen "
             "Militäranforderungen Beschreibung").split()
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

# The player's marks: set in the list (Tiberis, Alesia) and the detail view (Legatus' note),
# then the rows each filter and sort shows, and the file they are exported to.
MARK_FILTERS = (
    ("Favorit", "ja", "Tiberis"), ("gespielt", "ja", "Alesia Tiberis"), ("Notiz", "ja", "Legatus"),
    ("gespielt", "nein", "img Ägypten Campania Legatus Limes2 Limes10 Nova ohne Straße Zerbrochen"))
MARK_SORTS = (
    ("Favorit", False, "Tiberis img Ägypten Alesia Campania Legatus Limes2 Limes10 Nova ohne "
                       "Straße Zerbrochen"),
    ("gespielt", False, "Alesia Tiberis img Ägypten Campania Legatus Limes2 Limes10 Nova ohne "
                        "Straße Zerbrochen"),
    ("Notiz", True, "Legatus img Ägypten Alesia Campania Limes2 Limes10 Nova ohne Straße Tiberis "
                    "Zerbrochen"))
NOTE = "Mit Eisen beginnen"
MARKS_FILE = """{"format":"szenarienkatalog-marken","version":1,"marks":[
{"id":"Alesia","played":true,"favourite":false,"note":""},
{"id":"Legatus","played":false,"favourite":false,"note":"Mit Eisen beginnen"},
{"id":"Tiberis","played":true,"favourite":true,"note":""}
]}
"""

# The Beschreibung of scenarios whose story begins with their name.
DESCRIPTIONS = (("Legatus", "Als Legat sollt Ihr am Danuvius"), ("Nova Roma", "Eine Oase mitten"),
                ("Ägyptens Küste", "Am Nil wächst das Getreide"))

# The detail view's tabs, by the captions of the window: a step (a click on a tab, or a key
# on the focused one), then the pages that show.
TAB_STEPS = (("TabHandel", ["TabHandel", "TabWarenhandel"]),
             ("TabForderungen", ["TabHandel", "TabForderungen"]),
             (Keys.ARROW_RIGHT, ["TabHandel", "PGRessourcen"]),
             (Keys.ARROW_RIGHT, ["TabHandel", "TabWarenhandel"]), ("TabMilitaer", ["TabMilitaer"]),
             (Keys.END, ["TabText"]), (Keys.HOME, ["TabZiele"]), (Keys.ARROW_LEFT, ["TabText"]))

# Three scenarios side by side: each group, and each fact marked "≠" where they differ.
COMPARED = ("Limes 2", "Limes 10", "Campania Felix")
COMPARED_FACTS = (
    "Übersicht | Art ≠ | Region ≠ | Militäranforderungen | Invasionen ≠ | Naturereignisse | "
    "Lohnänderung Plebejer | Lohnänderung Equites | Warenanforderungen ≠ | Anzahl der Städte ≠ | "
    "Karte ≠ | Handelsstädte ≠ | Ziele | Ziele ≠ | Kultur ≠ | Sicherheit ≠ | Wohlstand ≠ | "
    "Ansehen ≠ | Bevölkerung ≠ | Hinweis ≠ | Waren | verkauft ≠ | kauft ≠ | Militär | "
    "Invasionen ≠ | Militäranforderungen | Forderungen | Forderungen ≠")

FORUM_TEXT = """[b]Szenario: Tiberis[/b] (Tiberis.scn)
Tiberis, die Kolonie am Fluss
[list]
[*]Art: Userszenario
[*]Karte: mittlere Karte
[*]Region: Nordafrika
[*]Ziele: Spielziele – Kultur 40 · Sicherheit 25 · Wohlstand 30 · Ansehen 35 · Bevölkerung 3000
[*]Handelsstädte: 4
[*]verkauft: Getreide, Olivenöl, Töpferwaren, Eisen, Elfenbein, Gewürze
[*]kauft: Kleidung, Möbel, Wein, Schmuck, Glaswaren, Papyrus, Wolle
[*]Forderungen: 4
[*]Invasionen: 2
[*]Militäranforderungen: 3
[/list]
"""


def Names(short_names):
    return [FIXTURE_NAMES[name] for name in short_names.split()]


def Address(s):
    """What follows "#" in a scenario's address, decoded: its base name, or its file name
    when that is all it has."""
    return s["id"] or s["file"]


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

# What a role is looked up among.
ROLES = {"button": "button", "checkbox": "input[type=checkbox]", "textbox": "input[type=text]",
         "combobox": "select", "group": "fieldset, [role=group]", "tab": "[role=tab]",
         "tabpanel": "[role=tabpanel]", "image": "img, [role=img]"}

# The rows that stand whole on the screen.
ROWS_ON_SCREEN = """return [...document.querySelectorAll('#zeilen > .reihe')].filter((row) => {
  const box = row.getBoundingClientRect();
  return box.top >= 0 && box.bottom <= innerHeight;
}).length;"""

# What scrolls sideways: the page, or what reaches beyond the screen in an open view.
BEYOND_THE_SCREEN = """const page = document.documentElement;
const beyond = (e) => e.offsetWidth && e.getBoundingClientRect().right > innerWidth + 0.5;
return [page, ...document.querySelectorAll('dialog[open] *')]
  .filter((e) => (e === page ? e.scrollWidth > innerWidth : beyond(e)))
  .map((e) => e.tagName + '.' + e.className).slice(0, 5);"""

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
  tabs: [...dialog.querySelectorAll('[role=tab]')].map((e) => e.textContent),
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

    def Named(self, role, name, root=None):
        """The element of that ARIA role and accessible name, as assistive technology finds it."""
        for element in (root or self.driver).find_elements(By.CSS_SELECTOR, ROLES[role]):
            if element.aria_role == role and element.accessible_name == name:
                return element
        self.fail(f"no {role} named {name!r}")

    def Shown(self, text):
        """Whether a line of the page that says text is on screen."""
        lines = self.driver.find_elements(By.XPATH, f'//p[normalize-space()="{text}"]')
        return any(line.is_displayed() for line in lines)

    def Press(self, key):
        ActionChains(self.driver).send_keys(key).perform()

    def ClickRow(self, scenario_id):
        """Opens the scenario's detail view with the mouse, on a cell of its row."""
        self.Row(scenario_id).find_elements(By.CSS_SELECTOR, "[role=cell]")[4].click()
        self.AssertSoon(lambda: self.driver.execute_script(
            "return document.getElementById('detail').dataset.id"), scenario_id, "the detail")

    def FocusedRow(self):
        return self.driver.execute_script(
            "const row = document.activeElement.closest('.reihe'); return row && row.dataset.id")

    @contextlib.contextmanager
    def Viewport(self, width, height, mobile=False):
        self.driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
            "width": width, "height": height, "deviceScaleFactor": 1, "mobile": mobile})
        try:
            yield
        finally:
            self.driver.execute_cdp_cmd("Emulation.clearDeviceMetricsOverride", {})

    def Screenshot(self, name):
        if SCREENSHOTS:
            self.WaitUntil(lambda: self.driver.execute_script(
                "return document.fonts.status === 'loaded' && document.fonts.size === 3"),
                "the fonts")
            self.driver.save_screenshot(str(SCREENSHOTS / name))

    def Print(self, picture=None):
        """The page as printed: its text and its first page's size, and that page as a
        picture."""
        pdf = base64.b64decode(self.driver.execute_cdp_cmd(
            "Page.printToPDF", {"preferCSSPageSize": True, "printBackground": True})["data"])
        with tempfile.TemporaryDirectory() as folder:
            path = pathlib.Path(folder) / "druck.pdf"
            path.write_bytes(pdf)
            text = subprocess.run(["pdftotext", path, "-"], capture_output=True, check=True,
                                  text=True).stdout
            size = re.search(r"Page size: +([\d.]+) x ([\d.]+)", subprocess.run(
                ["pdfinfo", path], capture_output=True, check=True, text=True).stdout)
            if picture and SCREENSHOTS:
                subprocess.run(["pdftoppm", "-png", "-r", "80", "-singlefile", path,
                                SCREENSHOTS / pathlib.Path(picture).stem], check=True)
        return " ".join(text.split()), (float(size.group(1)), float(size.group(2)))

    def SortBy(self, heading, ascending):
        header = next(h for h in self.driver.find_elements(By.CSS_SELECTOR, "[role=columnheader]")
                      if h.text.replace("\u00ad", "").replace("\n", "") == heading)
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

    def RichestScenario(self):
        return max((s for s in self.scenarios if not s["damage"]),
                   key=lambda s: (len(s["cities"]), len(s["requests"])))

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

        tabs = [captions[name] for name in ("TabZiele", "TabHandel", "TabMilitaer", "TabKarte",
                                            "TabText", "TabWarenhandel", "TabForderungen",
                                            "PGRessourcen")]
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
                         ("TabZiele", "AllgemeinLabel", "TabHandel", "TabWarenhandel",
                          "TabForderungen", "PGRessourcen", "TabMilitaer", "TabKarte",
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

    def test_goods_filter(self):
        """The goods panel closes on Escape and a click elsewhere; each group filters its side."""
        button = self.Named("button", "Waren: alle")
        heading = self.driver.find_element(By.TAG_NAME, "h1")
        for close in (lambda: self.Press(Keys.ESCAPE), heading.click):
            button.click()
            panel = self.Named("group", "Waren")
            close()
            self.AssertSoon(panel.is_displayed, False, "the goods panel closed")
        self.assertEqual(button.get_attribute("aria-expanded"), "false")
        captions = self.data["captions"]
        sides = ((captions["CitySellsLabel"], lambda s: s["goodsSold"]),
                 (captions["CityBuyLabel"], lambda s: s["goodsBought"]),
                 ("produzierbar", lambda s: s["resources"] and
                  [good["name"] for good in s["resources"]["goods"]]))
        chosen = []
        for group, goods in sides:
            # The good of the fewest scenarios, so that the filter leaves out some.
            counts = collections.Counter(good for s in self.scenarios for good in goods(s) or [])
            good = min(counts, key=lambda g: (counts[g], g))
            chosen.append((good, goods))
            button.click()
            self.Named("checkbox", good, self.Named("group", group, self.Named("group", "Waren"))
                       ).click()
            self.AssertSoon(self.ListedIds, self.Subsequence(
                lambda s: all(g in (side(s) or []) for g, side in chosen)), f"{group} {good}")
            self.Press(Keys.ESCAPE)
        self.Named("button", "Filter zurücksetzen").click()
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
            if self.driver.execute_script("return document.activeElement.matches('#zeilen a')"):
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
        self.assertTrue(self.Shown("Kein Szenario dieses Katalogs heißt „kein Szenario dieses "
                                   "Namens“."))

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
        self.Named("tab", self.data["captions"]["TabHandel"]).click()
        self.Screenshot("katalog_detail.png")

    def test_list_on_a_large_screen(self):
        """At 1920 by 1080 twelve rows stand whole and the headings stay while the list scrolls;
        no description repeats its scenario's name; goods are pictures named by their goods."""
        with self.Viewport(1920, 1080):
            self.Open("")
            self.assertGreaterEqual(self.driver.execute_script(ROWS_ON_SCREEN),
                                    min(12, len(self.scenarios)))
            self.Screenshot("katalog.png")
        for s in self.scenarios:
            self.assertNotIn(s["description"], (s["id"], "Szenario: " + s["id"]), s["id"])
        if FIXTURE:
            # Goods as pictures named by their goods; a story that begins with the scenario's
            # name described by its next line.
            s = self.ById("Tiberis")
            self.assertEqual([(p.accessible_name, p.get_attribute("title")) for p in self.Row(
                "Tiberis").find_elements(By.CSS_SELECTOR, ROLES["image"])
                if p.aria_role == "image"], [(g, g) for g in s["goodsSold"] + s["goodsBought"]])
            for name, start in DESCRIPTIONS:
                self.assertTrue(self.Row(name).find_element(By.CLASS_NAME, "beschreibung").text
                                .startswith(start), name)
        with self.Viewport(1600, 500):
            self.Open("")
            self.driver.execute_script("scrollTo(0, 400)")
            self.assertEqual(self.driver.execute_script(
                "return document.getElementById('spalten').getBoundingClientRect().top"), 0)

    def test_phone(self):
        """At 360 pixels neither the list nor a page of the detail view goes beyond the screen."""
        s = self.RichestScenario()
        with self.Viewport(360, 900, mobile=True):
            self.Open("")
            self.assertEqual(self.driver.execute_script(BEYOND_THE_SCREEN), [])
            self.Screenshot("katalog_telefon.png")
            self.ClickRow(s["id"])
            close = self.Named("button", "Schließen")
            for tab in self.driver.find_elements(By.CSS_SELECTOR, ROLES["tab"]):
                if tab.is_displayed():
                    tab.click()
                    self.assertEqual(self.driver.execute_script(BEYOND_THE_SCREEN), [],
                                     tab.text)
            self.assertTrue(close.is_displayed())

    def test_print(self):
        """The list prints landscape, all columns, no controls; an open detail prints whole."""
        text, (width, height) = self.Print("katalog_druck.png")
        text = re.sub("\u00ad([-\u2010] )?", "", text)  # a heading's soft hyphen
        self.assertGreater(width, height)
        headings = self.driver.execute_script(
            "return [...document.querySelectorAll('#spalten button')].map((b) => b.textContent)")
        for heading in headings:
            self.assertIn(heading.replace("\u00ad", ""), text)
        for control in ("Filter zurücksetzen", "Exportieren", "Suche", "Vergleich"):
            self.assertNotIn(control, text)
        s = self.RichestScenario()
        self.ClickRow(s["id"])
        text, _ = self.Print()
        captions = self.data["captions"]
        last = [c["name"] for c in s["cities"]][-1:] + [r["entry"] for r in s["requests"]][-1:]
        for shown in ([captions[name] for name in captions if name.startswith(("Tab", "PG"))] +
                      last + s["story"].split()[-1:]):
            self.assertIn(shown, text)

    def test_detail_tabs(self):
        """The detail view's tabs switch its pages: by a click, the arrow keys, Home and End."""
        captions = self.data["captions"]
        self.ClickRow(self.RichestScenario()["id"])

        def Pages():
            return [p.accessible_name for p in self.driver.find_elements(
                By.CSS_SELECTOR, ROLES["tabpanel"]) if p.is_displayed()]

        self.assertEqual(Pages(), [captions["TabZiele"]])
        for step, pages in TAB_STEPS:
            if step in captions:
                self.Named("tab", captions[step]).click()
            else:
                self.Press(step)
            self.assertEqual(Pages(), [captions[name] for name in pages], step)

    def test_back_closes_a_detail(self):
        """Opened by mouse and closed, a detail leaves no history and focuses its row; Back
        closes it."""
        first = self.first_order[0]
        for _ in range(3):
            self.ClickRow(first)
            self.Named("button", "Schließen").click()
            self.AssertSoon(self.FocusedRow, first, "the focus back on the row")
        self.ClickRow(first)
        self.driver.back()
        self.AssertSoon(lambda: self.driver.execute_script(
            "return [document.getElementById('detail').open, location.hash]"), [False, ""],
            "Back closes the detail view")
        self.assertEqual(self.FocusedRow(), first)
        self.driver.back()
        self.AssertSoon(lambda: self.driver.current_url, "about:blank", "Back leaves the page")

    # -- the fixture's tables --

    def test_fixture_marks(self):
        """Marks filter, sort and are searched, outlast a new load, and travel in their file."""
        if not FIXTURE:
            self.skipTest("not the fixture's catalogue")
        try:
            for name, toggles in (("Tiberis", ("Favorit", "gespielt")), ("Alesia", ("gespielt",))):
                for toggle in toggles:
                    self.Named("button", toggle, self.Row(name)).click()
            self.ClickRow("Legatus")
            self.Named("textbox", "Notiz").send_keys(NOTE)
            self.Press(Keys.ESCAPE)
            self.CheckMarks()
            with tempfile.TemporaryDirectory() as folder:
                self.driver.execute_cdp_cmd("Browser.setDownloadBehavior",
                                            {"behavior": "allow", "downloadPath": folder})
                self.Named("button", "Exportieren").click()
                exported = pathlib.Path(folder) / "szenarienkatalog-marken.json"
                self.WaitUntil(exported.exists, "the exported file")
                self.assertEqual(exported.read_text(encoding="utf-8"), MARKS_FILE)
                self.driver.execute_script("localStorage.clear()")
                self.Open("")
                next(box for box in self.driver.find_elements(By.CSS_SELECTOR, "input[type=file]")
                     if box.accessible_name == "Importieren").send_keys(str(exported))
                self.AssertSoon(lambda: self.Shown("Markierungen von 3 Szenarien importiert."),
                                True, "the import's line")
            self.CheckMarks()
        finally:
            self.driver.execute_script("localStorage.clear()")

    def CheckMarks(self):
        self.Open("")
        for label, choice, shown in MARK_FILTERS:
            Select(self.Named("combobox", label)).select_by_value(choice)
            self.AssertSoon(self.ListedIds, Names(shown), f"{label} {choice}")
            self.Named("button", "Filter zurücksetzen").click()
        self.Search("eisen beginnen")
        self.AssertSoon(self.ListedIds, Names("Legatus"), "the note is searched")
        self.Search("")
        for heading, ascending, shown in MARK_SORTS:
            self.SortBy(heading, ascending)
            self.AssertSoon(self.ListedIds, Names(shown), f"sorted by {heading}")

    def test_fixture_comparison(self):
        """Chosen scenarios side by side, differences marked; a fifth is refused; Back closes."""
        if not FIXTURE:
            self.skipTest("not the fixture's catalogue")
        for name in ("Tiberis",) + COMPARED + ("Alesia", "Tiberis"):
            self.Named("checkbox", "vergleichen", self.Row(name)).click()
        self.assertFalse(self.Named("checkbox", "vergleichen", self.Row("Alesia")).is_selected())
        self.Search("")
        self.Named("button", "Vergleichen").click()
        # The table is made once the chosen scenarios' data files have loaded.
        self.WaitUntil(lambda: self.driver.find_elements(By.CSS_SELECTOR, "#vergleich table"),
                       "the comparison")
        compared = self.driver.find_element(By.CSS_SELECTOR, "#vergleich table")
        self.assertEqual([c.text for c in compared.find_elements(By.CSS_SELECTOR, "thead th")],
                         list(COMPARED))
        self.assertEqual(" | ".join(r.text for r in compared.find_elements(
            By.CSS_SELECTOR, "tbody th")), COMPARED_FACTS)
        self.Screenshot("katalog_vergleich.png")
        self.driver.back()
        self.AssertSoon(lambda: self.driver.execute_script(
            "return document.getElementById('vergleich').open"), False, "Back closes it")

    def test_fixture_forum_text(self):
        """The scenario's summary as BBCode in the clipboard, and a line that says so."""
        if not FIXTURE:
            self.skipTest("not the fixture's catalogue")
        self.driver.execute_cdp_cmd("Emulation.setFocusEmulationEnabled", {"enabled": True})
        self.driver.execute_cdp_cmd("Browser.grantPermissions", {
            "permissions": ["clipboardReadWrite", "clipboardSanitizedWrite"]})
        self.ClickRow("Tiberis")
        self.Named("button", "Als Forentext kopieren").click()
        self.AssertSoon(lambda: self.Shown(
            "Als Forentext in die Zwischenablage kopiert: „Tiberis“."), True, "the copy's line")
        self.assertEqual(self.driver.execute_async_script(
            "navigator.clipboard.readText().then(arguments[0])"), FORUM_TEXT)

    def test_fixture_empty_folder(self):
        """A catalogue of a folder without scenarios says so."""
        if not FIXTURE:
            self.skipTest("not the fixture's catalogue")
        empty, search = dict(self.data, scenarios=[]), "daten/suche-" + "0" * 32 + ".js"
        rows = catalogue_format.Serialize(catalogue_format.RowTable(empty, search))
        with tempfile.TemporaryDirectory() as name:
            folder = pathlib.Path(name)
            shutil.copytree(FOLDER / "bilder", folder / "bilder")
            (folder / "daten").mkdir()
            (folder / search).write_text(catalogue_format.SearchScript(empty))
            (folder / "index.html").write_text(seal_template.Fill(seal_template.SealedTemplate(), [
                (seal_template.ROWS_PLACEHOLDER, rows)]), encoding="utf-8")
            self.driver.get((folder / "index.html").as_uri())
            self.WaitUntil(lambda: self.Shown("Der Ordner des Katalogs enthält kein Szenario."),
                           "the line for an empty folder")
            self.assertFalse(self.Shown("Kein Szenario passt zu Suche und Filtern."))


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
        for heading, (ascending, descending) in zip(SORTED_BY, SORTS):
            for up, order in ((True, ascending), (False, descending)):
                self.SortBy(heading, up)
                self.AssertSoon(self.ListedIds, Names(order),
                                f"column {heading} {'up' if up else 'down'}")
        # A search keeps the chosen order.
        self.Search("oel")
        self.AssertSoon(self.ListedIds, Names("Tiberis Straße Alesia Ägypten"), "sorted search")


class PageWithoutStorageTest(unittest.TestCase):
    """A browser that keeps nothing for a page opened from disk (here: one that blocks every
    site's data)."""

    def test_page_without_storage(self):
        """It says so in one line and lists every scenario, without the marks."""
        with Chromium({"profile": {"default_content_setting_values": {"cookies": 2}}}) as driver:
            driver.get((FOLDER / "index.html").as_uri())
            WebDriverWait(driver, WAIT_SECONDS).until(
                lambda _: driver.execute_script("return document.documentElement.dataset.suche"))
            self.assertTrue(driver.find_element(By.XPATH, (
                '//p[.="Dieser Browser bewahrt für eine Seite vom Datenträger nichts auf: '
                '„gespielt“, „Favorit“ und Notizen gibt es hier nicht."]')).is_displayed())
            self.assertNotIn("Favorit", driver.find_element(By.ID, "spalten").text)
            self.assertEqual(driver.execute_script("return document.getElementById('tabelle')"
                                                   ".getAttribute('aria-rowcount')"),
                             str(len(LoadCatalogue()["scenarios"]) + 1))


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
    if SCREENSHOTS:
        SCREENSHOTS.mkdir(parents=True, exist_ok=True)
    unittest.main(argv=[sys.argv[0]] + rest, verbosity=2)


if __name__ == "__main__":
    main()
