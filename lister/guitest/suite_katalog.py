"""The "Katalog" button: it starts katalog.exe from the lister's folder, which writes the
catalogue of the scenario folder to the user's local application data and asks the shell to
open its page, or says in a box of its own when it cannot write. The window answers while
katalog.exe runs, and a second click starts no second one."""

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


def wait_until(condition, what):
    deadline = time.monotonic() + WAIT_SECONDS
    while not condition():
        if time.monotonic() > deadline:
            raise Failure(f"waited in vain: {what}")
        time.sleep(0.1)


def programs(config, name, katalog):
    """A folder of the lister's own with the given katalog.exe beside it (None: none)."""
    folder = config.work / "katalog" / name
    if folder.exists():
        shutil.rmtree(folder)
    folder.mkdir(parents=True)
    shutil.copy(config.lister, folder / "Q7Lister.exe")
    if katalog:
        shutil.copy(katalog, folder / "katalog.exe")
    return folder


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
        """(the file the shell was asked to open, the process id of the program that asked),
        waiting for it."""
        wait_until(self.record.exists, "the shell is asked to open the catalogue")
        opened, parent = self.record.read_text(encoding="utf-8").split("\n")
        return pathlib.Path(wine(self.config, "winepath", "-u", opened).stdout.strip()), int(parent)


def test_katalog_button(config, checks):
    """A click starts katalog.exe, which writes the catalogue of the samples and opens its page
    itself; the button stands beside "?", comes last in the focus order, is disabled while
    katalog.exe runs and comes back after; the game's folder gains nothing."""
    game = Game(config, "katalog/Spiel")
    lister = programs(config, "mit_katalog", config.katalog) / "Q7Lister.exe"
    output = local_app_data(config) / CATALOGUE_FOLDER
    if output.exists():
        shutil.rmtree(output) if output.is_dir() else output.unlink()
    with HtmlOpener(config) as opener, Session(config, game, lister=lister) as driver:
        close_boxes(driver)
        checks.equal(driver.rect("Katalog"), (42, 545, 90, 35), "the button beside ?")
        checks.equal(driver.text("Katalog"), "Katalog", "the button's text")
        order = [name for name in driver.children("TMain")
                 if name in ("Beenden", "OpenAbout", "SCNFilesList", "PG1", "Katalog")]
        checks.equal(order, ["Beenden", "OpenAbout", "SCNFilesList", "PG1", "Katalog"],
                     "the button is last in the focus order")
        before = sorted(path.name for path in game.scenarios.iterdir())
        driver.click("Katalog")
        katalog = driver.wait_process("katalog.exe")
        checks.equal(close_boxes(driver), [], "the lister shows no box")
        opened, opened_by = opener.opened()
        checks.equal(opened, output / "index.html", "the catalogue's page is opened")
        checks.true(opened_by in katalog and opened_by != driver.process_id,
                    f"katalog.exe ({katalog}) opens it, not the lister ({driver.process_id}): "
                    f"{opened_by}")
        data = json.loads((output / "szenarien.json").read_text(encoding="utf-8"))
        checks.equal([s["file"] for s in data["scenarios"]],
                     sorted(path.name for path in game.scenarios.glob("*.scn")),
                     "one row per scenario of the game's folder")
        checks.equal(sorted(path.name for path in game.scenarios.iterdir()), before,
                     "nothing new in the game's folder")
        driver.wait_no_process("katalog.exe")
        wait_until(lambda: driver.enabled("Katalog"), "the button is enabled again")
        screenshot(config, "katalog_button")


def test_katalog_button_cannot_write(config, checks):
    """A file where the catalogue's folder belongs: katalog.exe, alone on its console, says so
    in a box of its own; the lister shows none, and the file stays as it was."""
    game = Game(config, "katalog/Spiel")
    lister = programs(config, "mit_katalog", config.katalog) / "Q7Lister.exe"
    output = local_app_data(config) / CATALOGUE_FOLDER
    if output.is_dir():
        shutil.rmtree(output)
    output.write_text("kein Katalog")
    try:
        with HtmlOpener(config) as opener, Session(config, game, lister=lister) as driver:
            close_boxes(driver)
            driver.click("Katalog")
            title, text = driver.box(program="katalog.exe")
            checks.equal(title, "Fehler", "the title of the box")
            checks.true(text.startswith("Der Szenarienkatalog konnte nicht geschrieben werden. ")
                        and text.endswith("ist kein Ordner und wird nicht überschrieben."),
                        f"the box says why: {text!r}")
            driver.no_box()
            screenshot(config, "katalog_button_failed")
            driver.box_ok(program="katalog.exe")
            driver.wait_no_process("katalog.exe")
            checks.true(not opener.record.exists(), "no page is opened")
            checks.equal(output.read_text(), "kein Katalog", "the file stays as it was")
    finally:
        output.unlink()


def test_katalog_button_while_it_runs(config, checks):
    """Without katalog.exe beside the lister a click gives a box that names it. With a stand-in
    that runs until the test lets it end, the window answers all along, its button is disabled,
    a second click starts no second one, and once it has ended a click starts it again."""
    game = Game(config, "katalog/Spiel")
    folder = programs(config, "ohne_katalog", None)
    release = folder / "weiter"
    try:
        with Session(config, game, lister=folder / "Q7Lister.exe") as driver:
            close_boxes(driver)
            driver.click("Katalog")
            title, text = driver.box()
            checks.equal(title, "Fehler", "the title of the missing program's box")
            checks.true(windows_path(folder / "katalog.exe") in text and "neben Q7Lister.exe" in text,
                        f"the box names the missing file and where it belongs: {text!r}")
            driver.box_ok()
            shutil.copy(config.standin_katalog, folder / "katalog.exe")
            for start in ("first", "again"):
                driver.click("Katalog")
                driver.wait_process("katalog.exe")
                checks.equal(driver.wait_ready(), "window", f"{start}: the window answers")
                checks.true(not driver.enabled("Katalog"), f"{start}: the button is disabled")
                driver.click("Katalog")
                checks.equal(driver.count_process("katalog.exe"), 1,
                             f"{start}: a second click starts no second katalog.exe")
                if start == "first":
                    screenshot(config, "katalog_button_running")
                release.write_text("")
                driver.wait_no_process("katalog.exe")
                wait_until(lambda: driver.enabled("Katalog"), "the button is enabled again")
    finally:
        release.write_text("")


TESTS = [test_katalog_button, test_katalog_button_cannot_write, test_katalog_button_while_it_runs]
