#!/usr/bin/python3
"""make_fixture.py [--scenarios N] [--resources DIR] DATA_JSON OUT_FOLDER

Writes a catalogue folder the way the katalog program does, from a catalogue's data
(szenarien.json) instead of a folder of scenarios: index.html (the sealed template filled
with the row table), szenarien.json, daten/ (each scenario's data part and the search file),
bilder/ (banner, goods pictures and the fonts file) and a map picture for every picture path
that the data names, drawn here.

--scenarios N  repeats the data's scenarios under new names until there are N of them
--resources    where the lister's fonts and pictures are made (or found, when made before)
"""
import argparse
import copy
import hashlib
import io
import json
import pathlib
import random
import shutil
import sys

from PIL import Image, ImageFilter

import catalogue_format

HERE = pathlib.Path(__file__).resolve().parent
PAGE = HERE.parent
ROOT = PAGE.parent.parent

sys.path[:0] = [str(PAGE), str(ROOT / "lister" / "resources"), str(ROOT / "tools")]
import seal_template  # noqa: E402


def MakeResources(folder):
    """The lister's fonts, banner and goods pictures, made once into folder."""
    folder.mkdir(parents=True, exist_ok=True)
    if not (folder / "display.ttf").exists():
        from derive_fonts import DeriveFonts
        from draw_goods import DrawGoods
        from draw_pictures import DrawPictures
        from make_resources import ReleaseYear
        fonts = DeriveFonts(folder, ReleaseYear())
        DrawGoods(folder)
        DrawPictures(folder, fonts["display.ttf"])
    return folder


def WritePictures(resources, out):
    goods = out / "bilder" / "waren"
    goods.mkdir(parents=True, exist_ok=True)
    Image.open(resources / "banner.bmp").save(out / "bilder" / "banner.png")
    for bitmap in sorted((resources / "goods").glob("*.bmp")):
        Image.open(bitmap).save(goods / (bitmap.stem + ".png"))


def Seed(text):
    return int.from_bytes(hashlib.sha256(text.encode()).digest()[:8], "big")


def DrawMap(scenario_id):
    """A map picture of our own, the same for the same name; the sample scenarios' names
    give their own maps."""
    import draw_sample_maps
    drawings = list(draw_sample_maps.SAMPLES.values())
    seed = Seed(scenario_id)
    drawing = draw_sample_maps.SAMPLES.get(scenario_id, drawings[seed % len(drawings)])
    image = drawing(random.Random(seed))
    return image.filter(ImageFilter.SMOOTH)


def WriteMaps(scenarios, out, drawn):
    encoded = {}  # (drawing, size): PNG bytes, for scenarios that share a drawing
    for scenario in scenarios:
        source = drawn.get(scenario["id"]) or DrawMap(scenario["id"])
        for key in ("thumbnail", "picture"):
            picture = scenario[key]
            if picture is None:
                continue
            size = (picture["width"], picture["height"])
            if (id(source), size) not in encoded:
                png = io.BytesIO()
                source.resize(size, Image.BICUBIC).save(png, "PNG")
                encoded[(id(source), size)] = png.getvalue()
            path = out / picture["path"]
            path.parent.mkdir(parents=True, exist_ok=True)
            path.write_bytes(encoded[(id(source), size)])


def Repeated(catalogue, count):
    """The catalogue with its scenarios repeated under the names "NAME 2", "NAME 3" and so on
    until it holds count scenarios, sorted as the katalog program does."""
    originals = catalogue["scenarios"]
    scenarios = []
    for index in range(count):
        scenario = copy.deepcopy(originals[index % len(originals)])
        round_ = index // len(originals)
        if round_:
            scenario["id"] = f"{scenario['id']} {round_ + 1}"
            scenario["file"] = scenario["id"] + ".scn"
            for label in scenario["labels"] or []:
                if label["name"] == "SCNName":
                    label["text"] = "Szenario: " + scenario["id"]
        scenario["key"] = hashlib.md5(scenario["id"].encode()).hexdigest()
        for key, suffix in (("thumbnail", "-klein"), ("picture", "")):
            if scenario[key]:
                scenario[key]["path"] = f"karten/{scenario['key']}{suffix}.png"
        scenarios.append(scenario)
    scenarios.sort(key=lambda s: s["file"].encode())
    return dict(catalogue, scenarios=scenarios)


def WritePageFiles(catalogue, resources, out):
    """index.html, the data parts, the search file and the fonts file."""
    search = catalogue_format.SearchScript(catalogue)
    search_path = "daten/suche-" + hashlib.md5(search.encode()).hexdigest() + ".js"
    (out / "daten").mkdir(parents=True, exist_ok=True)
    (out / search_path).write_bytes(search.encode())
    for scenario in catalogue["scenarios"]:
        (out / "daten" / (scenario["key"] + ".js")).write_bytes(
            catalogue_format.DataPart(scenario).encode())
    rows = catalogue_format.Serialize(catalogue_format.RowTable(catalogue, search_path))
    page = seal_template.Fill(seal_template.SealedTemplate(),
                              [(seal_template.ROWS_PLACEHOLDER, rows)])
    (out / "index.html").write_bytes(page.encode())
    (out / "bilder").mkdir(exist_ok=True)
    (out / "bilder" / "schriften.js").write_bytes(seal_template.FontsScript(resources).encode())


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[1])
    parser.add_argument("--scenarios", type=int)
    parser.add_argument("--resources", type=pathlib.Path)
    parser.add_argument("data", type=pathlib.Path)
    parser.add_argument("out", type=pathlib.Path)
    arguments = parser.parse_args()

    catalogue = json.loads(arguments.data.read_text(encoding="utf-8"))
    problems = catalogue_format.CheckCatalogue(catalogue)
    if problems:
        sys.exit(f"{arguments.data}: not a catalogue:\n  " + "\n  ".join(problems))
    # A repeated scenario shows the map of its original.
    drawn = {}
    if arguments.scenarios:
        drawn = {s["id"]: DrawMap(s["id"]) for s in catalogue["scenarios"]}
        repeated = Repeated(catalogue, arguments.scenarios)
        for scenario in repeated["scenarios"]:
            original = scenario["id"].rsplit(" ", 1)[0]
            if scenario["id"] not in drawn and original in drawn:
                drawn[scenario["id"]] = drawn[original]
        catalogue = repeated

    out = arguments.out
    if out.exists():
        shutil.rmtree(out)
    out.mkdir(parents=True)
    resources = MakeResources(arguments.resources or out / ".quellen")

    data = catalogue_format.Serialize(catalogue)
    (out / "szenarien.json").write_bytes((data + "\n").encode())
    WritePageFiles(catalogue, resources, out)
    WritePictures(resources, out)
    WriteMaps(catalogue["scenarios"], out, drawn)
    if not arguments.resources:
        shutil.rmtree(out / ".quellen")


if __name__ == "__main__":
    main()
