"""Loading a scenario: the summary labels, the companion file boxes, a damaged
scenario, an analyzer that runs away, and folders and file names with blanks
or letters outside the ANSI code page."""

import os
import re
import shutil

from harness import (Failure, Game, Session, analyzer_report, close_boxes, complete_samples,
                     screenshot, select_scenario, windows_path)
from suite_startup import check_cleared_window

SUMMARY_LABELS = [
    "ScnStatusInfo", "MapLocationInfo", "ZielInfo", "MilitaryRequestsInfo", "MilitaryInvasionsInfo",
    "NatureEventsInfo", "WagePlebejerInfo", "WageEquitesInfo", "TradeRequestsInfo",
    "CitiesCountInfo", "CultureInfo", "SecurityInfo", "ProsperityInfo", "FavorInfo",
    "PopulationInfo", "ZielNoteInfo", "MapSizeInfo", "MapLocationInfo2", "Story"]
DESIGN_TEXTS = {"SCNStatusInfo", "MapLocationInfo", "Szenarioziele", "0", "nein", "WagePlebejerInfo",
                "WageEquitesInfo", "TradeRequestsInfo", "CitiesCountInfo", "CultureInfo",
                "SecurityInfo", "ProsperityInfo", "FavorInfo", "PopulationInfo", "ZielNoteInfo",
                "MapSizeInfo", "Story"}
MAP_SIZES = {"kleine Karte", "mittlere Karte", "grosse Karte", "riesige Karte", "unbekannt"}


def report_value(report, text):
    """What follows the first ":" of the first report line that holds text."""
    for line in report:
        if text in line:
            return line.split(":", 1)[1].strip()
    return None


def sample_game(config, name):
    """A copy of the samples in a folder with blanks and brackets in its path."""
    game = Game(config, f"{name}/Valdorum Spiel (x86)")
    if not complete_samples(config):
        raise Failure("samples/ holds no complete scenario")
    return game


def test_complete_scenarios(config, checks):
    """Every complete sample fills every summary label; a load writes nothing
    to the scenario folder, not even over a file named like a blank-free copy."""
    game = sample_game(config, "complete")
    players_file = game.path("NovaRoma.scn")
    players_file.write_bytes(b"the player's own file")
    with Session(config, game) as driver:
        close_boxes(driver)
        before = sorted(path.name for path in game.scenarios.iterdir())
        for base in complete_samples(config):
            boxes = select_scenario(driver, base + ".scn")
            checks.equal(boxes, [], f"loading {base} opens no box")
            checks.equal(driver.text("SCNName"), f"Szenario: {base}", f"SCNName of {base}")
            for name in SUMMARY_LABELS:
                text = driver.text(name)
                checks.true(text and text not in DESIGN_TEXTS, f"{base}: {name} is filled, shows {text!r}")
            checks.equal(driver.text("ScnStatusInfo"), "Userszenario", f"kind of {base}")
            checks.true(driver.text("MapSizeInfo") in MAP_SIZES, f"map size of {base}")
            checks.equal(driver.text("MapLocationInfo2"), driver.text("MapLocationInfo"),
                         f"both region labels of {base}")
            report = analyzer_report(config, game.scenarios, base + ".scn")
            cities = report_value(report, "Number of cities:")
            checks.equal(driver.text("CitiesCountInfo").strip(), cities or "-*-", f"cities of {base}")
            requests = report_value(report, "Number of orders and requests")
            checks.equal(driver.text("TradeRequestsInfo").strip(), requests or "-*-", f"requests of {base}")
            screenshot(config, f"loading_{base.replace(' ', '_')}")
        checks.equal(sorted(path.name for path in game.scenarios.iterdir()), before,
                     "loads create, replace and delete no file")
        checks.equal(players_file.read_bytes(), b"the player's own file",
                     "a file named like Nova Roma without its blank stays untouched")


def test_companion_files(config, checks):
    """Each missing companion file gives its box; a missing script does not."""
    source = sample_game(config, "companions_source")
    base = complete_samples(config)[0]
    game = Game(config, "companions/Spiel", with_samples=False)
    variants = {"OhneBild": "_Color.dds", "OhneText": ".xml", "OhneSkript": ".cs", "Verschwunden": None}
    for variant, missing in variants.items():
        game.add_scenario_from(source.scenarios, base, variant)
        if missing:
            game.path(variant + missing).unlink()
    with Session(config, game) as driver:
        close_boxes(driver)
        game.path("Verschwunden.scn").unlink()
        expected = {
            "OhneBild.scn": "Es konnte keine Bilddatei gefunden werden!(OhneBild_Color.dds). "
                            "Das Szenario ist so nicht einwandfrei lauffähig!",
            "OhneText.scn": "Es konnte keine Textdatei gefunden werden!(OhneText.xml). "
                            "Das Szenario ist so nicht einwandfrei  lauffähig!",
            "Verschwunden.scn": "Es konnte keine Szenariodatei gefunden werden!(Verschwunden.scn). "
                                "Das Szenario ist so nicht lauffähig!",
        }
        for scenario, text in expected.items():
            checks.equal(select_scenario(driver, scenario), [("Dateifehler", text)], f"box for {scenario}")
            checks.equal(driver.text("SCNName"), "Szenario: " + scenario[:-4], f"SCNName for {scenario}")
            check_cleared_window(driver, checks)

        checks.equal(select_scenario(driver, "OhneSkript.scn"), [], "a missing script is no error")
        for name, text in [("MilitaryRequestsInfo", "-*-"), ("MilitaryInvasionsInfo", "-*-"),
                           ("NatureEventsInfo", "-*-"), ("WagePlebejerInfo", "Nein"),
                           ("WageEquitesInfo", "Nein")]:
            checks.equal(driver.text(name), text, f"{name} without a script")
        screenshot(config, "loading_without_script")


def test_damaged_scenario(config, checks):
    """A truncated scenario: the analyzer complains, the box names the file,
    and nothing of the scenario loaded before stays visible; the same when the
    script holds no number where the invasion count belongs."""
    source = sample_game(config, "damaged_source")
    base = complete_samples(config)[0]
    game = Game(config, "damaged/Spiel", with_samples=False)
    game.add_scenario_from(source.scenarios, base)
    game.add_scenario_from(source.scenarios, base, "Beschaedigt")
    data = game.path("Beschaedigt.scn").read_bytes()
    game.path("Beschaedigt.scn").write_bytes(data[: len(data) // 2])
    game.add_scenario_from(source.scenarios, base, "Skriptfehler")
    game.path("Skriptfehler.cs").write_text("mInvasions = new InvasionSetup[kAnzahl];\n",
                                            encoding="utf-8")
    with Session(config, game) as driver:
        close_boxes(driver)
        checks.equal(select_scenario(driver, base + ".scn"), [], "the intact scenario loads")
        boxes = select_scenario(driver, "Beschaedigt.scn")
        checks.equal(boxes, [("Dateifehler", "Die Szenariodatei ist beschädigt!(Beschaedigt.scn). "
                                             "Der Lesevorgang wird abgebrochen!")], "the damaged box")
        check_cleared_window(driver, checks)
        screenshot(config, "loading_damaged")

        checks.equal(select_scenario(driver, base + ".scn"), [], "the intact scenario loads again")
        boxes = select_scenario(driver, "Skriptfehler.scn")
        checks.equal(boxes, [("Z7 Uzeror 3", "'kAnzahl' ist kein gültiger Ganzzahlwert.")],
                     "a script without a number where the invasion count belongs")
        check_cleared_window(driver, checks)


def swap_in_standin(config, game):
    """Puts the stand-in analyzer over the one the lister wrote. The lister
    holds its file so that no Windows program can change it; Linux does not
    know Windows share modes, so the test can."""
    staged = game.path("standin.tmp")
    shutil.copy(config.standin, staged)
    os.replace(staged, game.path("analyzer.exe"))


def test_runaway_analyzer(config, checks):
    """An analyzer that prints without end, or never answers, is ended at the
    lister's bounds and the scenario counts as damaged. A lister that ends
    while the analyzer hangs takes it along, so the next start can write
    analyzer.exe again."""
    source = sample_game(config, "runaway_source")
    base = complete_samples(config)[0]
    game = Game(config, "runaway/Spiel", with_samples=False)
    for name in ("Endlos", "Haengt"):
        game.add_scenario_from(source.scenarios, base, name)
    with Session(config, game) as driver:
        close_boxes(driver)
        swap_in_standin(config, game)
        for name in ("Endlos", "Haengt"):
            checks.equal(select_scenario(driver, name + ".scn"),
                         [("Dateifehler", f"Die Szenariodatei ist beschädigt!({name}.scn). "
                                          "Der Lesevorgang wird abgebrochen!")],
                         f"the scenario whose analyzer {name} is ended")
            check_cleared_window(driver, checks)
        driver.wait_no_process("analyzer.exe")

        _, items = driver.list("SCNFilesList")
        driver.ask(f"select SCNFilesList {items.index('Haengt.scn')}")
        driver.wait_process("analyzer.exe")
        driver.kill()
        driver.wait_no_process("analyzer.exe")
        driver.start(windows_path(config.lister))
        checks.equal(close_boxes(driver), [], "the next start writes analyzer.exe and loads")
        checks.equal(game.path("analyzer.exe").read_bytes(), config.analyzer.read_bytes(),
                     "the carried analyzer is back")


def test_name_outside_the_ansi_code_page(config, checks):
    """"Gdańsk.scn" beside its ANSI look-alike "Gdansk.scn", another scenario:
    the one selected reaches the analyzer by its own name."""
    source = sample_game(config, "unicode_source")
    game = Game(config, "unicode/Spiel", with_samples=False)
    game.add_scenario_from(source.scenarios, "Tiberis", "Gdańsk")
    game.add_scenario_from(source.scenarios, "Legatus", "Gdansk")
    report = analyzer_report(config, source.scenarios, "Tiberis.scn")
    with Session(config, game) as driver:
        close_boxes(driver)
        checks.equal(select_scenario(driver, "Gdańsk.scn"), [], "Gdańsk loads without a box")
        checks.equal(driver.text("SCNName"), "Szenario: Gdańsk", "SCNName of Gdańsk")
        checks.equal(driver.text("CitiesCountInfo").strip(), report_value(report, "Number of cities:"),
                     "the cities of Gdańsk, not those of Gdansk")
        checks.equal(driver.text("MapSizeInfo"), "mittlere Karte", "the map size of Gdańsk")
        screenshot(config, "loading_gdansk")


TESTS = [test_complete_scenarios, test_companion_files, test_damaged_scenario,
         test_runaway_analyzer, test_name_outside_the_ansi_code_page]
