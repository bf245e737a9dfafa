"""The "Katalog" button: it writes the catalogue of the scenario folder to the user's local
application data, asks the shell to open its page, and says in a box when it cannot write."""

import json
import pathlib
import shutil
import subprocess
import time

from harness import Failure, Game, Session, close_boxes, screenshot, windows_path

CATALOGUE_FOLDER = "Valdorum Szenarienkatalog"
HTML_CLASS = "ValdorumKatalogTest"
WAIT_SECONDS = 60


def wine(config, *arguments):
    return subprocess.run([str(config.wine_run), *arguments], capture_output=True, text=True)


def local_app_data(config):
    """The prefix's %LOCALAPPDATA% as a Linux path."""
    windows = wine(config, "cmd", "/c", "echo", "%LOCALAPPDATA%").stdout.strip()
    return pathlib.Path(wine(config, "winepath", "-u", windows).stdout.strip())


class HtmlOpener:
    """For the test's time, .html files open with open_recorder.exe instead of a browser; the
    association the prefix had before comes back afterwards."""

    def __init__(self, config):
        self.config = config
        self.recorder = config.work / "katalog_opener" / "open_recorder.exe"
        self.recorder.parent.mkdir(parents=True, exist_ok=True)
        shutil.copy(config.recorder, self.recorder)
        self.record = self.recorder.parent / "geoeffnet.txt"
        self.record.unlink(missing_ok=True)
        query = wine(config, "reg", "query", r"HKCR\.html", "/ve")
        self.before = None
        for line in query.stdout.splitlines():
            if "REG_SZ" in line:
                self.before = line.split("REG_SZ", 1)[1].strip()

    def __enter__(self):
        command = f'"{windows_path(self.recorder)}" "%1"'
        wine(self.config, "reg", "add", rf"HKCR\{HTML_CLASS}\shell\open\command", "/ve", "/d",
             command, "/f")
        wine(self.config, "reg", "add", r"HKCR\.html", "/ve", "/d", HTML_CLASS, "/f")
        return self

    def __exit__(self, *exc):
        if self.before is None:
            wine(self.config, "reg", "delete", r"HKCR\.html", "/f")
        else:
            wine(self.config, "reg", "add", r"HKCR\.html", "/ve", "/d", self.before, "/f")
        wine(self.config, "reg", "delete", rf"HKCR\{HTML_CLASS}", "/f")
        return False

    def opened(self):
        """What the shell was asked to open, waiting for it."""
        deadline = time.monotonic() + WAIT_SECONDS
        while not self.record.exists():
            if time.monotonic() > deadline:
                raise Failure("the shell was never asked to open the catalogue")
            time.sleep(0.1)
        return self.record.read_text(encoding="utf-8")


def test_katalog_button(config, checks):
    """A click writes the catalogue of the samples and opens its page; the button stands beside
    "?" and comes last in the focus order; the game's folder gains nothing."""
    game = Game(config, "katalog/Spiel")
    output = local_app_data(config) / CATALOGUE_FOLDER
    if output.exists():
        shutil.rmtree(output) if output.is_dir() else output.unlink()
    with HtmlOpener(config) as opener, Session(config, game) as driver:
        close_boxes(driver)
        checks.equal(driver.rect("Katalog"), (42, 545, 90, 35), "the button beside ?")
        checks.equal(driver.text("Katalog"), "Katalog", "the button's text")
        order = [name for name in driver.children("TMain")
                 if name in ("Beenden", "OpenAbout", "SCNFilesList", "PG1", "Katalog")]
        checks.equal(order, ["Beenden", "OpenAbout", "SCNFilesList", "PG1", "Katalog"],
                     "the button is last in the focus order")
        before = sorted(path.name for path in game.scenarios.iterdir())
        driver.click("Katalog")
        close_boxes(driver)
        page = output / "index.html"
        opened = pathlib.Path(wine(config, "winepath", "-u", opener.opened()).stdout.strip())
        checks.equal(opened, page, "the shell is asked to open the catalogue's page")
        data = json.loads((output / "szenarien.json").read_text(encoding="utf-8"))
        checks.equal([s["file"] for s in data["scenarios"]],
                     sorted(path.name for path in game.scenarios.glob("*.scn")),
                     "one row per scenario of the game's folder")
        checks.equal(sorted(path.name for path in game.scenarios.iterdir()), before,
                     "nothing new in the game's folder")
        screenshot(config, "katalog_button")


def test_katalog_button_cannot_write(config, checks):
    """A file where the catalogue's folder belongs: the button says so in a box, and the file
    stays as it was."""
    game = Game(config, "katalog/Spiel")
    output = local_app_data(config) / CATALOGUE_FOLDER
    if output.is_dir():
        shutil.rmtree(output)
    output.write_text("kein Katalog")
    try:
        with HtmlOpener(config) as opener, Session(config, game) as driver:
            close_boxes(driver)
            driver.click("Katalog")
            title, text = driver.box()
            checks.equal(title, "Fehler", "the title of the box")
            checks.true(text.startswith("Der Szenarienkatalog konnte nicht geschrieben werden. ")
                        and text.endswith("ist kein Ordner und wird nicht überschrieben."),
                        f"the box says why: {text!r}")
            screenshot(config, "katalog_button_failed")
            driver.box_ok()
            checks.true(not opener.record.exists(), "no page is opened")
            checks.equal(output.read_text(), "kein Katalog", "the file stays as it was")
    finally:
        output.unlink()


TESTS = [test_katalog_button, test_katalog_button_cannot_write]
