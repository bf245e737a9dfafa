#!/usr/bin/python3
"""make_katalog_bench.py MAKE_TEST_SCENARIOS OUT COUNT: a scenario folder of COUNT scenarios
with 2048 by 2048 map pictures for the catalogue's benchmark, made once and kept.

The scenarios are the samples and the catalogue tests' generated scenarios under numbered
names; the pictures are the sample maps drawn at 2048 pixels and encoded by
tools/dds_writer.py. Files of the same content are hard links, so the folder takes little room."""
import os
import pathlib
import random
import shutil
import subprocess
import sys
import tempfile

ROOT = pathlib.Path(__file__).resolve().parent.parent
SAMPLES = ROOT / "samples" / "Data" / "Scenarios"
sys.path.insert(0, str(ROOT / "tools"))

SIDE = 2048
MARK = ".fertig"


def DrawPictures(folder):
    """One 2048 by 2048 DXT1 picture per sample map."""
    from PIL import Image
    import dds_writer
    import draw_sample_maps
    pictures = []
    for name, drawing in sorted(draw_sample_maps.SAMPLES.items()):
        path = folder / f"{name}_Color.dds"
        if not path.exists():
            image = drawing(random.Random(name)).resize((SIDE, SIDE), Image.BICUBIC)
            dds_writer.write_dds(path, SIDE, SIDE, dds_writer.encode(image))
        pictures.append(path)
    return pictures


def main():
    make_test_scenarios, out, count = sys.argv[1], pathlib.Path(sys.argv[2]), int(sys.argv[3])
    if (out / MARK).exists() and (out / MARK).read_text() == str(count):
        return
    pool = out.parent / (out.name + "-bilder")
    pool.mkdir(parents=True, exist_ok=True)
    pictures = DrawPictures(pool)
    if out.exists():
        shutil.rmtree(out)
    templates = pool / "vorlagen"
    if templates.exists():
        shutil.rmtree(templates)
    templates.mkdir()
    subprocess.run([make_test_scenarios, str(templates)], check=True, stdout=subprocess.DEVNULL)
    bases = sorted(p.stem for p in SAMPLES.glob("*.scn"))
    bases += sorted(p.stem for p in templates.glob("Generiert *.scn"))
    for base in bases:
        for suffix in (".xml", ".cs"):
            if not (templates / (base + suffix)).exists() and (SAMPLES / (base + suffix)).exists():
                shutil.copy(SAMPLES / (base + suffix), templates / (base + suffix))
        if not (templates / (base + ".cs")).exists():
            shutil.copy(SAMPLES / "Legatus.cs", templates / (base + ".cs"))

    out.mkdir(parents=True)
    for index in range(count):
        base = bases[index % len(bases)]
        name = f"{base} {index // len(bases) + 1:03d}"
        for suffix in (".scn", ".xml", ".cs"):
            os.link(templates / (base + suffix), out / (name + suffix))
        os.link(pictures[index % len(pictures)], out / (name + "_Color.dds"))
    (out / MARK).write_text(str(count))


if __name__ == "__main__":
    main()
