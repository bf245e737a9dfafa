"""The players' zip as a player meets it: made twice from inputs of different file times
(the same bytes both times, its checksum file accepted by sha256sum), katalog.exe beside the
program and described in the readme, unpacked into a new Wine prefix that knows nothing but
a game installation of our samples, and started from there: the window opens on the first
scenario, the analyzer it writes is the one built, the about box names the release the zip
is named after, and the unpacked katalog.exe writes the catalogue of the game's scenarios.

    test_dist.py --exe Q7Lister.exe --katalog katalog.exe --driver guidriver.exe
                 --analyzer analyzer.exe --work DIR

The Wine part runs in its own prefix under scripts/with-wine (see `in_fresh_prefix`).
"""
import argparse
import os
import shutil
import subprocess
import sys
import zipfile
from pathlib import Path

SOURCE = Path(__file__).resolve().parent.parent
sys.path.insert(0, str(SOURCE / "release"))
sys.path.insert(0, str(SOURCE / "lister" / "guitest"))

from harness import Checks, Config, Failure, Game, Session, windows_path  # noqa: E402
from make_dist import make_dist, read_release  # noqa: E402

# Creating a Wine prefix and starting the lister in it take well under this.
FRESH_PREFIX_SECONDS = 600


def check_zip(exe, katalog, work, checks):
    """Makes the zip twice and checks it; returns its path."""
    first = make_dist(exe, katalog, work / "first")
    # The second run reads copies of the programs with another time stamp.
    copies = [work / "later" / program.name for program in (exe, katalog)]
    copies[0].parent.mkdir()
    for program, copy in zip((exe, katalog), copies):
        shutil.copy(program, copy)
        os.utime(copy, (1_000_000_000, 1_000_000_000))
    second = make_dist(*copies, work / "second")
    checks.equal(first.name, second.name, "the zip's name")
    checks.true(first.read_bytes() == second.read_bytes(), "two runs give the same zip bytes")

    verified = subprocess.run(["sha256sum", "--check", "--strict", first.name + ".sha256"],
                              cwd=first.parent, capture_output=True, text=True)
    checks.equal(verified.returncode, 0, f"sha256sum accepts the checksum file: {verified.stdout}")

    with zipfile.ZipFile(first) as archive:
        checks.equal(archive.testzip(), None, "every member's CRC")
        folder = first.stem + "/"
        names = archive.namelist()
        checks.true(all(name.startswith(folder) for name in names), f"one folder: {names}")
        for program in (exe, katalog):
            checks.true(archive.read(folder + program.name) == program.read_bytes(),
                        f"the zip carries the built {program.name} unchanged beside the other")
        readme = archive.read(folder + "LIESMICH.txt").decode("utf-8-sig")
        checks.true(all(text in readme for text in ("katalog.exe", 'Knopf "Katalog"',
                                                    "Doppelklick", "katalog.exe [SZENARIENORDNER]")),
                    "the readme says what katalog.exe is and how it is started")
        checks.true("@" not in readme.split("\n", 1)[0], f"the readme's title: {readme[:60]!r}")
        checks.true("\n" not in readme.replace("\r\n", ""), "the readme's lines end in CR LF")
        checks.true(any(name.startswith(folder + "Lizenzen/") for name in names),
                    "the licence texts travel with the program")
    return first


def in_fresh_prefix(args):
    """Runs this script's `start` step under scripts/with-wine in a prefix made for it
    (on the display of the calling run when there is one)."""
    prefix = args.work / "wineprefix"
    environment = dict(os.environ, WINEPREFIX=str(prefix), WITH_WINE_USE_DISPLAY="1")
    command = [str(SOURCE / "scripts" / "with-wine"), "/usr/bin/python3", __file__, "start",
               "--exe", str(args.unpacked), "--katalog", str(args.unpacked.with_name("katalog.exe")),
               "--driver", str(args.driver),
               "--analyzer", str(args.analyzer), "--work", str(args.work)]
    try:
        result = subprocess.run(command, env=environment, timeout=FRESH_PREFIX_SECONDS)
    except subprocess.TimeoutExpired:
        raise Failure(f"the fresh prefix did not finish within {FRESH_PREFIX_SECONDS} s")
    return result.returncode


def check_start(args, checks):
    """In the fresh prefix: the unpacked program on a game installation of the samples."""
    config = Config(argparse.Namespace(
        driver=args.driver, lister=args.exe, analyzer=args.analyzer, source=SOURCE,
        work=args.work, artifacts=args.work / "artifacts"))
    game = Game(config, "game")
    version, year = read_release()
    with Session(config, game) as driver:
        state = driver.wait_ready()
        if state == "box":
            raise Failure("start-up shows a box: %s: %s" % driver.box())
        checks.equal(state, "window", "the window opens")
        selected, items = driver.list("SCNFilesList")
        checks.true(selected == 0 and items, f"the first scenario is selected: {selected}, {items}")
        if items:
            base = items[0][:-len(".scn")]
            checks.equal(driver.text("SCNName"), "Szenario: " + base, "the loaded scenario")
        for label in ("ScnStatusInfo", "MapSizeInfo", "CitiesCountInfo"):
            checks.true(driver.text(label) not in ("", "-*-"), f"{label} shows the first load")
        written = game.path("analyzer.exe")
        checks.true(written.is_file() and written.read_bytes() == config.analyzer.read_bytes(),
                    "the analyzer written into the scenario folder is the one built")
        checks.equal(driver.text("Versionslabel"), f"Version {version} {year}",
                     "the about box names the zip's release")
        driver.click("Beenden")
        checks.equal(driver.wait_exit(), 0, "Beenden ends the program")
    output = args.work / "katalog"
    run = subprocess.run([str(config.wine_run), str(args.katalog), windows_path(game.scenarios),
                          "-o", windows_path(output)], capture_output=True)
    checks.equal(run.returncode, 0, f"the unpacked katalog.exe runs: {run.stderr[-300:]!r}")
    checks.true((output / "index.html").is_file(), "the unpacked katalog.exe writes the page")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("step", nargs="?", choices=["start"])
    for option in ("exe", "katalog", "driver", "analyzer", "work"):
        parser.add_argument(f"--{option}", type=Path, required=True)
    args = parser.parse_args()
    args.work = args.work.resolve()
    checks = Checks()
    try:
        if args.step == "start":
            check_start(args, checks)
        else:
            if args.work.exists():
                shutil.rmtree(args.work)
            args.work.mkdir(parents=True)
            path = check_zip(args.exe.resolve(), args.katalog.resolve(), args.work, checks)
            with zipfile.ZipFile(path) as archive:
                archive.extractall(args.work / "unpacked")
            args.unpacked = args.work / "unpacked" / path.stem / "Q7Lister.exe"
            if in_fresh_prefix(args) != 0:
                checks.failures.append("the program in the fresh prefix: see above")
    except Failure as error:
        checks.failures.append(str(error))
    for failure in checks.failures:
        print(f"  {failure}")
    print(f"{args.step or 'zip'}: {'FAILED' if checks.failures else 'passed'}")
    return 1 if checks.failures else 0


if __name__ == "__main__":
    sys.exit(main())
