"""Start-up: the registry value, the scenario folder, the written analyzer and
its protection, the window's layout and design texts, and the about box."""

import os
import shutil

from harness import Game, Session, screenshot
from layout_expectations import (ABOUT_CLIENT, ABOUT_CONTROLS, CONTROLS, LIST_DESIGN_ITEMS,
                                 MAIN_CLIENT, TAB_SHEETS, TRADE_SHEETS)

NO_GAME_TEXT = "Es konnte kein gültiger Registryeintrag des Spiels <Valdorum> gefunden werden!"
WS_MINIMIZEBOX, WS_MAXIMIZEBOX, WS_THICKFRAME, WS_SYSMENU = 0x20000, 0x10000, 0x40000, 0x80000
SHARING_VIOLATION = 32

CLEARED_TO_DASHES = [
    "MilitaryRequestsInfo", "MilitaryInvasionsInfo", "NatureEventsInfo", "WagePlebejerInfo",
    "WageEquitesInfo", "TradeRequestsInfo", "CitiesCountInfo", "PopulationInfo", "FavorInfo",
    "ProsperityInfo", "CultureInfo", "SecurityInfo", "ZielNoteInfo", "ScnStatusInfo",
    "MapLocationInfo", "MapSizeInfo", "MapLocationInfo2", "CityType", "TradeRouteType",
    "TradeRouteStatus", "Anforderungen", "Invasionen"]
CLEARED_TO_EMPTY = [
    "Story", "REQWareCount", "REQWareName", "REQTime", "REQComply", "REQRecurs", "REQReward",
    "REQPenalty", "REQText"] + [f"{side}Ware{n}{part}" for side in ("Sell", "Buy")
                                for n in (1, 2, 3) for part in ("Name", "Count")]


def check_cleared_window(driver, checks):
    for name in CLEARED_TO_DASHES:
        checks.equal(driver.text(name), "-*-", f"{name} after a failed load")
    for name in CLEARED_TO_EMPTY:
        checks.equal(driver.text(name), "", f"{name} after a failed load")
    checks.equal(driver.text("ZielInfo"), "Szenarioziele", "ZielInfo after a failed load")
    for name in ("CityList", "REQList"):
        checks.equal(driver.list(name), (-1, []), f"{name} after a failed load")
    checks.equal(driver.children("PGRessourcen"), [], "the resources page after a failed load")


def test_no_game_found(config, checks):
    """An empty or missing "InstallLocation" ends the program after one box."""
    game = Game(config, "no_game", with_samples=False)
    for value in ("", None):
        with Session(config, game, install_location=value) as driver:
            checks.equal(driver.wait_ready(), "box", f"start-up with value {value!r}")
            checks.equal(driver.box(), ("Systemfehler", NO_GAME_TEXT), "the box without a game")
            checks.true("TMain" not in driver.top_level(), "no main window is shown")
            screenshot(config, "startup_no_game")
            driver.ask("box-ok")
            driver.wait_exit()


def test_layout_and_design_texts(config, checks):
    """A game folder without its scenario folder: start-up stops at the
    analyzer, reports it, and the window opens showing every design text."""
    game = Game(config, "no_scenario_folder", with_samples=False)
    shutil.rmtree(game.scenarios)
    with Session(config, game) as driver:
        checks.equal(driver.wait_ready(), "box", "a start-up error shows a box")
        title, text = driver.box()
        checks.equal(title, "Z7 Uzeror 3", "title of the error box")
        checks.true(text.endswith("."), f"the error text ends with a full stop: {text!r}")
        driver.box_ok()
        checks.equal(driver.wait_ready(), "window", "the window opens after the error")
        screenshot(config, "startup_design_texts")

        checks.equal(driver.client("TMain"), MAIN_CLIENT, "client area of the main window")
        checks.equal(driver.text("TMain"), "", "the main window has no title of its own")
        style = int(driver.ask("style TMain").split()[0])
        checks.true(style & WS_SYSMENU, "the window has a system menu")
        checks.true(not style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME),
                    "the window cannot be minimised, maximised or resized")
        left, top, width, height = driver.rect("TMain")
        checks.true(abs(left + width / 2 - 640) <= 1 and abs(top + height / 2 - 512) <= 1,
                    f"the window is centred on the 1280 by 1024 screen: {left, top, width, height}")

        for name, rect, text in CONTROLS:
            checks.equal(driver.rect(name), rect, f"rectangle of {name}")
            if text is not None:
                checks.equal(driver.text(name), text, f"design text of {name}")
        for name, items in LIST_DESIGN_ITEMS.items():
            checks.equal(driver.list(name)[1], items, f"design items of {name}")
        for sheet in TAB_SHEETS + TRADE_SHEETS:
            checks.true(driver.exists(sheet), f"tab sheet {sheet} exists")
        checks.equal(driver.visible("TabZiele"), (True, True), "the Ziele tab is shown first")
        checks.equal(driver.visible("TabWarenhandel")[0], True, "Warenhandel is the first trade tab")
        if driver.exists("Dummy"):
            checks.equal(driver.visible("Dummy"), (False, False), "Dummy is never visible")


def test_scenario_folder_and_about_box(config, checks):
    """The scenario list, the written analyzer and the about box, on a folder
    whose scenarios all lack their pictures (so the first load fails)."""
    game = Game(config, "scenario_list", with_samples=False)
    kingdom = config.kingdom_campaign_names()
    case_variant = kingdom[0].lower() if kingdom[0].lower() != kingdom[0] else kingdom[0].upper()
    for name in kingdom + [case_variant, "Alpha.scn"]:
        game.path(name).write_bytes(b"")
    (game.scenarios / "Ordner.scn").mkdir()
    game.path("Notizen.txt").write_text("keine Szenariodatei")
    leftover = game.path("analyzer.exe")
    leftover.write_bytes(b"an old analyzer")
    os.chmod(leftover, 0o444)

    with Session(config, game) as driver:
        checks.equal(driver.wait_ready(), "box", "the first load fails")
        title, text = driver.box()
        checks.equal(title, "Dateifehler", "title of the missing picture box")
        checks.true(text.startswith("Es konnte keine Bilddatei gefunden werden!("),
                    f"the missing picture box: {text!r}")
        driver.box_ok()
        checks.equal(driver.wait_ready(), "window", "the window opens after the failed load")

        selected, items = driver.list("SCNFilesList")
        checks.equal(sorted(items), sorted(["Alpha.scn", case_variant]),
                     "listed: not the campaign's names, not a folder, not other files")
        checks.equal(selected, 0, "the first scenario is selected")
        checks.equal(leftover.read_bytes(), config.analyzer.read_bytes(),
                     "the read-only leftover is replaced by the carried analyzer, byte for byte")
        checks.equal(driver.change_file(leftover), (SHARING_VIOLATION,) * 3,
                     "while the lister runs, no program can write, delete or rename analyzer.exe")
        checks.equal(leftover.read_bytes(), config.analyzer.read_bytes(), "analyzer.exe is unchanged")
        check_cleared_window(driver, checks)
        screenshot(config, "startup_failed_first_load")

        driver.click("OpenAbout")
        driver.click("OpenAbout")
        checks.equal(driver.top_level().count("TAboutForm"), 1, "two clicks on ? give one about box")
        checks.equal(driver.client("TAboutForm"), ABOUT_CLIENT, "client area of the about box")
        checks.equal(driver.text("TAboutForm"), "", "the about box has no title")
        for name, rect, text in ABOUT_CONTROLS:
            checks.equal(driver.rect(name), rect, f"rectangle of {name}")
            if text is not None:
                checks.equal(driver.text(name), text, f"text of {name}")
        texts = [driver.text(name) for name, _, _ in ABOUT_CONTROLS]
        screenshot(config, "about_box")
        driver.click("CloseAbout")
        checks.equal(driver.visible("TAboutForm")[0], False, "OK hides the about box")
        driver.click("OpenAbout")
        checks.equal(driver.visible("TAboutForm")[0], True, "? shows it again")
        checks.equal([driver.text(name) for name, _, _ in ABOUT_CONTROLS], texts,
                     "with the same texts")
        driver.click("Beenden")
        checks.equal(driver.wait_exit(), 0, "Beenden ends the program")
        checks.equal(driver.change_file(leftover)[0], 0, "and leaves analyzer.exe free again")


def test_no_listable_scenario(config, checks):
    """A scenario folder without scenarios: no load, no box, a hint."""
    game = Game(config, "empty_scenario_folder", with_samples=False)
    with Session(config, game) as driver:
        checks.equal(driver.wait_ready(), "window", "the window opens without a box")
        checks.equal(driver.list("SCNFilesList"), (-1, []), "the scenario list is empty")
        hint = driver.text("SCNName")
        checks.true(hint not in ("", "SCNName"), f"SCNName gives a hint: {hint!r}")
        screenshot(config, "startup_no_scenarios")


TESTS = [test_no_game_found, test_layout_and_design_texts, test_scenario_folder_and_about_box,
         test_no_listable_scenario]
