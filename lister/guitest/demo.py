"""The lister on the sample game installation: every sample scenario loaded
in turn, a screenshot of every tab of the richest one saved to build/demo/."""

import argparse
import subprocess
import sys

from harness import Config, Failure, Game, Session, close_boxes

TABS = [  # (file name, [(tab control, index), ...])
    ("lister_ziele", [("PG1", 0)]),
    ("lister_warenhandel", [("PG1", 1), ("PGHandel", 0)]),
    ("lister_forderungen", [("PG1", 1), ("PGHandel", 1)]),
    ("lister_ressourcen", [("PG1", 1), ("PGHandel", 2)]),
    ("lister_militaer", [("PG1", 2)]),
    ("lister_karte", [("PG1", 3)]),
    ("lister_text", [("PG1", 4)]),
]


def window_shot(driver, path, window="TMain"):
    driver.ask(f"redraw {window}")
    left, top, width, height = driver.screen_rect(window)
    subprocess.run(["import", "-window", "root", "-crop", f"{width}x{height}+{left}+{top}", "+repage",
                    str(path)], check=True)


def main():
    parser = argparse.ArgumentParser()
    for option in ("driver", "lister", "analyzer", "source", "work", "artifacts"):
        parser.add_argument(f"--{option}", required=True)
    parser.add_argument("--scenario", default="Tiberis.scn")
    args = parser.parse_args()
    config = Config(args)
    game = Game(config, "game")
    config.artifacts.mkdir(parents=True, exist_ok=True)

    with Session(config, game) as driver:
        for title, text in close_boxes(driver):
            print(f"  box {title}: {text}")
        _, scenarios = driver.list("SCNFilesList")
        print("Scenarios listed:", ", ".join(scenarios))
        for index, name in enumerate(scenarios):
            driver.select("SCNFilesList", index)
            for title, text in close_boxes(driver):
                print(f"  box {title}: {text}")
            print(f"  {name}: {driver.text('ScnStatusInfo')}, {driver.text('MapSizeInfo')}, "
                  f"{driver.text('MapLocationInfo')}, {driver.text('CitiesCountInfo').strip()} Städte")
        if args.scenario in scenarios:
            driver.select("SCNFilesList", scenarios.index(args.scenario))
            close_boxes(driver)
            # A trade city shows more on the trade page than the home city.
            driver.select("CityList", 1)
        for shot, tabs in TABS:
            for control, index in tabs:
                driver.tab(control, index)
            path = config.artifacts / f"{shot}.png"
            window_shot(driver, path)
            print("Saved", path)
        driver.tab("PG1", 0)
        driver.click("OpenAbout")
        window_shot(driver, config.artifacts / "lister_about.png", "TAboutForm")
        driver.click("Beenden")
        driver.wait_exit()


if __name__ == "__main__":
    try:
        main()
    except Failure as error:
        print("demo failed:", error, file=sys.stderr)
        sys.exit(1)
