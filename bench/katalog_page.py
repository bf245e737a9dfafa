#!/usr/bin/python3
"""katalog_page.py CATALOGUE_FOLDER [LOADS]: the catalogue's page in headless Chromium.

Measures, inside the page, the time from navigation until every row is painted (the mark
that the page sets after the first frame with its rows; median of LOADS fresh loads) and
the time from a keystroke in the search box until the next frame after the table was
updated (median and slowest of several keystrokes), and prints them against the targets."""
import json
import pathlib
import statistics
import sys

from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import WebDriverWait

ROOT = pathlib.Path(__file__).resolve().parent.parent
sys.path.insert(0, str(ROOT / "katalog" / "page" / "tests"))
from browser import Chromium  # noqa: E402

ROWS_TARGET_MS = 1500
KEYSTROKE_TARGET_MS = 100
WAIT_SECONDS = 60
QUERY = "oel tiberis"  # typed and then taken back, one key at a time
ROUNDS = 2

ROWS_SHOWN = """const mark = performance.getEntriesByName('katalog-zeilen-gezeigt')[0];
    return mark ? [mark.startTime, document.querySelectorAll('#zeilen > .reihe').length] : null;"""

# From the keystroke's own time stamp to a task after the next frame that follows the
# page's handling of the input.
MEASURE_KEYSTROKES = """window.messungen = [];
    const box = document.getElementById('suche');
    box.addEventListener('keydown', (event) => { window.tastenzeit = event.timeStamp; }, true);
    window.addEventListener('input', () => {
      const start = window.tastenzeit;
      requestAnimationFrame(() => setTimeout(() => {
        window.messungen.push(performance.now() - start);
      }, 0));
    });"""


def Wait(driver, condition):
    return WebDriverWait(driver, WAIT_SECONDS).until(lambda _: condition())


def main():
    folder = pathlib.Path(sys.argv[1]).resolve()
    loads = int(sys.argv[2]) if len(sys.argv) > 2 else 5
    scenarios = len(json.loads((folder / "szenarien.json").read_text(encoding="utf-8"))
                    ["scenarios"])
    address = (folder / "index.html").as_uri()

    with Chromium() as driver:
        shown = []
        for _ in range(loads):
            driver.get("about:blank")
            driver.get(address)
            time_ms, rows = Wait(driver, lambda: driver.execute_script(ROWS_SHOWN))
            if rows != scenarios:
                sys.exit(f"{rows} rows for {scenarios} scenarios")
            shown.append(time_ms)

        driver.execute_script(MEASURE_KEYSTROKES)
        box = driver.find_element(By.ID, "suche")
        keys = []
        for _ in range(ROUNDS):
            keys += list(QUERY) + [Keys.BACKSPACE] * len(QUERY)
        for count, key in enumerate(keys, 1):
            box.send_keys(key)
            Wait(driver, lambda: driver.execute_script("return window.messungen.length") >= count)
        strokes = driver.execute_script("return window.messungen")
        version = driver.capabilities["browserVersion"]

    size_mb = (folder / "index.html").stat().st_size / 1e6
    print(f"catalogue page: {scenarios} scenarios, index.html {size_mb:.1f} MB, "
          f"headless Chromium {version}")
    print(f"rows shown after navigation: median {statistics.median(shown):.0f} ms of {loads} "
          f"loads (slowest {max(shown):.0f} ms); target: at most {ROWS_TARGET_MS} ms")
    print(f"table updated after a keystroke: median {statistics.median(strokes):.1f} ms of "
          f"{len(strokes)} keystrokes (slowest {max(strokes):.1f} ms); "
          f"target: at most {KEYSTROKE_TARGET_MS} ms")


if __name__ == "__main__":
    main()
