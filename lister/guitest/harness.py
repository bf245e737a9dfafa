"""What every GUI test needs: a game installation of its own, the registry
value that points the lister at it, the lister started under Wine and driven
through guidriver.exe, and screenshots kept as test artefacts."""

import os
import re
import shutil
import subprocess
from pathlib import Path

UNINSTALL_KEY = (r"HKLM\SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall"
                 r"\{5D0A61F3-2B7E-4B8A-9E17-3F2B6D8D4A90}")


WS_DISABLED = 0x08000000


class Failure(Exception):
    pass


def windows_path(path):
    return "Z:" + str(Path(path).resolve()).replace("/", "\\")


ESCAPES = {"n": "\n", "r": "\r", "t": "\t", "\\": "\\"}


def unescape(text):
    """The driver's escapes undone; a backslash it did not write stays as it came."""
    return re.sub(r"\\(.)", lambda m: ESCAPES.get(m.group(1), m.group(0)), text, flags=re.S)


class Config:
    def __init__(self, args):
        self.driver = Path(args.driver).resolve()
        self.lister = Path(args.lister).resolve()
        self.analyzer = Path(args.analyzer).resolve()
        # The stand-in analyzer of the tests of the lister's bounds; the demo has none.
        standin = getattr(args, "standin", None)
        self.standin = Path(standin).resolve() if standin else None
        # The "Katalog" button's test: the stand-in browser, katalog.exe and its stand-in.
        for option in ("recorder", "katalog", "standin_katalog"):
            value = getattr(args, option, None)
            setattr(self, option, Path(value).resolve() if value else None)
        self.source = Path(args.source).resolve()
        self.work = Path(args.work).resolve()
        self.artifacts = Path(args.artifacts).resolve()
        self.wine_run = self.source / "scripts" / "wine-run"

    def kingdom_campaign_names(self):
        """The five names the scenario list leaves out, from the core's table."""
        text = (self.source / "lister/core/shipped_scenarios.cpp").read_text(encoding="utf-8")
        block = re.search(r"kKingdomCampaign\[\]\s*=\s*\{(.*?)\};", text, re.S).group(1)
        return re.findall(r'"([^"]+)"', block)


def set_install_location(config, value):
    """Writes the value where the game's 32-bit installer puts it (None: no
    value) and removes any value of the 64-bit view, which the lister reads
    when the 32-bit one is missing or empty."""
    def reg(*arguments, check=False):
        result = subprocess.run([str(config.wine_run), "reg", *arguments], capture_output=True,
                                text=True, errors="replace")
        if check and result.returncode != 0:
            raise Failure(f"reg {' '.join(arguments)}: exit {result.returncode}: "
                          f"{(result.stdout + result.stderr).strip()}")
    reg("delete", UNINSTALL_KEY, "/v", "InstallLocation", "/f", "/reg:64")
    if value is None:
        reg("delete", UNINSTALL_KEY, "/v", "InstallLocation", "/f", "/reg:32")
    else:
        reg("add", UNINSTALL_KEY, "/v", "InstallLocation", "/t", "REG_SZ", "/d", value, "/f",
            "/reg:32", check=True)


class Game:
    """A game installation under the build folder: Data/Scenarios only."""

    def __init__(self, config, name, with_samples=True):
        self.root = config.work / name
        if self.root.exists():
            for path in self.root.rglob("*"):
                os.chmod(path, 0o755 if path.is_dir() else 0o644)
            shutil.rmtree(self.root)
        self.scenarios = self.root / "Data" / "Scenarios"
        self.scenarios.mkdir(parents=True)
        samples = config.source / "samples" / "Data" / "Scenarios"
        if with_samples and samples.is_dir():
            for path in samples.iterdir():
                if path.is_file():
                    shutil.copy(path, self.scenarios / path.name)

    def path(self, name):
        return self.scenarios / name

    def remove_all_but(self, base_names):
        for path in list(self.scenarios.iterdir()):
            if path.is_file() and not any(path.name.startswith(base) for base in base_names):
                path.unlink()

    def add_scenario_from(self, source_game_dir, base, new_base=None):
        new_base = new_base or base
        for suffix in (".scn", "_Color.dds", ".xml", ".cs"):
            src = Path(source_game_dir) / (base + suffix)
            if src.exists():
                shutil.copy(src, self.scenarios / (new_base + suffix))

    def windows_root(self):
        return windows_path(self.root)


class Driver:
    """One guidriver.exe under Wine for the whole test, commands over pipes."""

    def __init__(self, config):
        self.config = config
        self.process = subprocess.Popen([str(config.wine_run), str(config.driver)],
                                        stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                        stderr=subprocess.DEVNULL, text=True, encoding="utf-8")

    def ask(self, command):
        self.process.stdin.write(command + "\n")
        self.process.stdin.flush()
        answer = self.process.stdout.readline().rstrip("\r\n")
        if not answer:
            raise Failure(f"the driver ended during: {command}")
        if answer.startswith("error"):
            raise Failure(f"{command}: the driver answered: {answer}")
        return answer[3:] if answer.startswith("ok ") else answer[2:]

    def close(self):
        try:
            self.process.stdin.close()
            self.process.wait(timeout=30)
        except (OSError, subprocess.TimeoutExpired):
            self.process.kill()

    # Reading
    def text(self, name):
        return unescape(self.ask(f"text {name}"))

    def list(self, name):
        """(selected index, items)"""
        fields = self.ask(f"list {name}").split("\t")
        return int(fields[0]), [unescape(item) for item in fields[1:]]

    def rect(self, name):
        return tuple(int(v) for v in self.ask(f"rect {name}").split())

    def screen_rect(self, name):
        return tuple(int(v) for v in self.ask(f"screen-rect {name}").split())

    def client(self, name):
        return tuple(int(v) for v in self.ask(f"client {name}").split())

    def visible(self, name):
        """(own visibility flag, effectively visible on screen)"""
        own, shown = self.ask(f"visible {name}").split()
        return own == "1", shown == "1"

    def enabled(self, name):
        return int(self.ask(f"style {name}").split()[0]) & WS_DISABLED == 0

    def exists(self, name):
        return self.ask(f"exists {name}") == "1"

    def children(self, name):
        answer = self.ask(f"children {name}")
        return answer.split("\t")[1:] if answer else []

    def top_level(self):
        return self.ask("top-level").split("\t")[1:]

    def box(self, timeout=60, program=""):
        """(title, text) of the message box that is open, waiting for one; of the lister, or of
        the programs of that file name."""
        title, text = self.ask(f"timeout={timeout} box {program}".rstrip()).split("\t", 1)
        return unescape(title), unescape(text)

    def no_box(self, program=""):
        self.ask(f"no-box {program}".rstrip())

    # Acting
    def start(self, program):
        """Starts the program and keeps its process id."""
        self.process_id = int(self.ask(f"start {program}"))

    def wait_ready(self, timeout=90):
        return self.ask(f"timeout={timeout} wait-ready")

    def wait_exit(self, timeout=60):
        return int(self.ask(f"timeout={timeout} wait-exit"))

    def wait_idle(self):
        return self.ask("wait-idle")

    def select(self, name, index):
        self.ask(f"select {name} {index}")
        return self.wait_idle()

    def click(self, name):
        self.ask(f"click {name}")
        return self.wait_idle()

    def tab(self, name, index):
        self.ask(f"tab {name} {index}")
        return self.wait_idle()

    def box_ok(self, program=""):
        self.ask(f"box-ok {program}".rstrip())
        return self.wait_idle()

    def kill(self):
        self.ask("kill")

    # The Wine session
    def wait_process(self, exe_name, timeout=60):
        """The ids of the processes of that file name, once there is one."""
        return [int(id) for id in self.ask(f"timeout={timeout} wait-process {exe_name}").split()]

    def wait_no_process(self, exe_name, timeout=60):
        self.ask(f"timeout={timeout} wait-no-process {exe_name}")

    def count_process(self, exe_name):
        return int(self.ask(f"count-process {exe_name}"))

    def change_file(self, path):
        """Error codes of writing, deleting and renaming the file from another
        Windows program; 0 for each that succeeded."""
        return tuple(int(code) for code in self.ask(f"change-file {windows_path(path)}").split())


class Session:
    """The lister started on a game installation; ended when the test is done."""

    GAME_ROOT = object()

    def __init__(self, config, game, install_location=GAME_ROOT, lister=None):
        self.config = config
        set_install_location(config, game.windows_root() if install_location is Session.GAME_ROOT
                             else install_location)
        self.driver = Driver(config)
        self.driver.start(windows_path(lister or config.lister))

    def __enter__(self):
        return self.driver

    def __exit__(self, *exc):
        try:
            self.driver.kill()
        except Failure:
            pass
        self.driver.close()
        return False


def screenshot(config, name):
    config.artifacts.mkdir(parents=True, exist_ok=True)
    subprocess.run(["import", "-window", "root", str(config.artifacts / f"{name}.png")],
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def shows_picture(config, driver, name):
    """True when the control's area on screen holds more than one colour."""
    from PIL import Image
    left, top, width, height = driver.screen_rect(name)
    path = config.artifacts / "_picture_probe.png"
    screenshot(config, "_picture_probe")
    with Image.open(path) as shot:
        colours = shot.convert("RGB").crop((left, top, left + width, top + height)).getcolors(4096)
    path.unlink()
    return colours is None or len(colours) > 1


def pane_lines(text):
    """A rich-text pane's text as lines, whatever line break it reports; every
    appended line ends in a break, so the last one adds no empty line."""
    text = text.replace("\r\n", "\n").replace("\r", "\n")
    return text[:-1].split("\n") if text.endswith("\n") else text.split("\n")


class Checks:
    """Collects failed expectations so one lister start checks many things."""

    def __init__(self):
        self.failures = []

    def equal(self, actual, expected, what):
        if actual != expected:
            self.failures.append(f"{what}: expected {expected!r}, got {actual!r}")

    def true(self, condition, what):
        if not condition:
            self.failures.append(what)


def close_boxes(driver):
    """Closes every box start-up or a load opens; returns their (title, text)."""
    boxes = []
    while driver.wait_ready() == "box":
        boxes.append(driver.box())
        driver.box_ok()
    return boxes


def select_scenario(driver, name):
    """Selects a scenario by file name as a click would; returns the boxes it opened."""
    _, items = driver.list("SCNFilesList")
    if name not in items:
        raise Failure(f"{name} is not listed: {items}")
    driver.select("SCNFilesList", items.index(name))
    return close_boxes(driver)


def analyzer_report(config, scenario_dir, scenario_file):
    """The report the carried analyzer prints for a scenario, as lines."""
    result = subprocess.run([str(config.wine_run), str(config.analyzer), scenario_file],
                            cwd=scenario_dir, capture_output=True)
    return result.stdout.decode("latin-1").splitlines()


def complete_samples(config):
    """Base names of the sample scenarios that have all four companion files."""
    samples = config.source / "samples" / "Data" / "Scenarios"
    return sorted(path.stem for path in samples.glob("*.scn")
                  if all((samples / (path.stem + suffix)).exists()
                         for suffix in ("_Color.dds", ".xml", ".cs")))
