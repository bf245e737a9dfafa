#!/usr/bin/python3
"""make_fixture.py [--scenarios N] [--resources DIR] DATA_JSON OUT_FOLDER

Writes a catalogue folder the way the katalog program does, from a catalogue's data
(szenarien.json) instead of a folder of scenarios: index.html (the template filled with the
data and the fonts), szenarien.json, bilder/ (banner and goods pictures) and a map picture
for every picture path that the data names, drawn here.

--scenarios N  repeats the data's scenarios under new names until there are N of them
--resources    where the lister's fonts and pictures are made (or found, when made before)
"""
import argparse
import base64
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
TEMPLATE = PAGE / "template.html"

sys.path[:0] = [str(PAGE), str(ROOT / "lister" / "resources"), str(ROOT / "tools")]
import seal_template  # noqa: E402

# The template's placeholders, each once and in this order, and the font file of each.
DATA_PLACEHOLDER = "{{KATALOG_JSON}}"
FONT_PLACEHOLDERS = (("{{SCHRIFT_TEXT}}", "text-regular.ttf"),
                     ("{{SCHRIFT_TEXT_FETT}}", "text-bold.ttf"),
                     ("{{SCHRIFT_ANZEIGE}}", "display.ttf"))


def FillTemplate(template, values):
    """Replaces each placeholder by its value in one pass from left to right, so that a
    value that happens to hold a placeholder's text stays as it is."""
    pieces = []
    rest = template
    for placeholder, value in values:
        if template.count(placeholder) != 1:
            raise ValueError(f"the template must hold {placeholder} exactly once")
        before, found, rest = rest.partition(placeholder)
        if not found:
            raise ValueError(f"{placeholder} is out of order in the template")
        pieces += [before, value]
    pieces.append(rest)
    return "".join(pieces)


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
    until it holds count scenarios, numbered and sorted as the katalog program does."""
    originals = catalogue["scenarios"]
    scenarios = []
    for index in range(count):
        scenario = copy.deepcopy(originals[index % len(originals)])
        round_ = index // len(originals)
        if round_:
            scenario["id"] = f"{scenario['id']} {round_ + 1}"
            scenario["file"] = scenario["id"] + ".scn"
            if scenario["labels"]:
                scenario["labels"]["SCNName"] = "Szenario: " + scenario["id"]
        scenarios.append(scenario)
    scenarios.sort(key=lambda s: s["file"].encode())
    for number, scenario in enumerate(scenarios, 1):
        for key, suffix in (("thumbnail", "-klein"), ("picture", "")):
            if scenario[key]:
                scenario[key]["path"] = f"karten/{number:04d}{suffix}.png"
    return dict(catalogue, scenarios=scenarios)


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
    template = TEMPLATE.read_bytes().decode()
    if seal_template.Sealed(template) != template:
        sys.exit(f"{TEMPLATE}: the digests of its script or style are out of date; "
                 "run katalog/page/seal_template.py")

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
    fonts = [(placeholder, base64.b64encode((resources / name).read_bytes()).decode())
             for placeholder, name in FONT_PLACEHOLDERS]
    page = FillTemplate(template, [(DATA_PLACEHOLDER, data)] + fonts)
    (out / "index.html").write_bytes(page.encode())
    WritePictures(resources, out)
    WriteMaps(catalogue["scenarios"], out, drawn)
    if not arguments.resources:
        shutil.rmtree(out / ".quellen")


if __name__ == "__main__":
    main()
