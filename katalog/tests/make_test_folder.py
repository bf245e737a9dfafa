#!/usr/bin/python3
"""make_test_folder.py MAKE_TEST_SCENARIOS OUT [--portable]

Writes the scenario folder that the catalogue's tests read: the sample scenarios, the damaged
files of the analyzer's tests and generated scenarios (from MAKE_TEST_SCENARIOS, with pictures
from tools/dds_writer.py), and the cases a player's folder can hold: names with blanks and
umlauts, names that differ only in their Unicode form, a scenario without a base name, missing
or wrong companion files, texts in other encodings, a script without a number
where one belongs, a name the scenario list leaves out, a folder named like a scenario, and a
scenario named with markup whose texts hold markup. --portable leaves out the names that
Windows does not allow, so that both builds can read the same folder."""
import argparse
import pathlib
import shutil
import subprocess
import sys
import tempfile
import unicodedata

ROOT = pathlib.Path(__file__).resolve().parents[2]
SAMPLES = ROOT / "samples" / "Data" / "Scenarios"
sys.path.insert(0, str(ROOT / "tools"))
import dds_writer  # noqa: E402

COMPANIONS = (".scn", "_Color.dds", ".xml", ".cs")
INJECTION = "<img src=x onerror=alert(1)>"
INJECTED_TEXTS = """<?xml version="1.0" encoding="utf-8"?>
<Strings>
  <String id="OVERVIEW">&lt;/script&gt;&lt;script&gt;window.eingeschleust = 1&lt;/script&gt;\\n&lt;!-- &lt;script&gt; --&gt; ]]&gt; &amp; &amp;amp; {{KATALOG_JSON}}\\n&lt;img src=x onerror="window.eingeschleust = 2"&gt;</String>
  <String id="CULTURE">&lt;b&gt;10&lt;/b&gt;</String>
  <String id="SECURITY">20</String>
  <String id="PROSPERITY">30</String>
  <String id="FAVOR">40</String>
  <String id="POPULATION">50</String>
  <String id="SITE_0_FULLNAME">&lt;b onmouseover="window.eingeschleust = 3"&gt;Fett&lt;/b&gt;</String>
  <String id="SITE_1_FULLNAME">Neapolis</String>
  <String id="SITE_2_FULLNAME">Cumae</String>
</Strings>
"""


def CopySet(source_dir, base, folder, new_base, leave_out=()):
    for suffix in COMPANIONS:
        source = source_dir / (base + suffix)
        if suffix not in leave_out and source.exists():
            shutil.copy(source, folder / (new_base + suffix))


def Picture(path, width, height, seed):
    dds_writer.write_dds(path, width, height, dds_writer.random_blocks(width, height, seed))


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("make_test_scenarios")
    parser.add_argument("out", type=pathlib.Path)
    parser.add_argument("--portable", action="store_true")
    arguments = parser.parse_args()
    out = arguments.out
    if out.exists():
        shutil.rmtree(out)
    out.mkdir(parents=True)

    with tempfile.TemporaryDirectory() as made:
        made = pathlib.Path(made)
        subprocess.run([arguments.make_test_scenarios, str(made)], check=True)
        samples = sorted(path.stem for path in SAMPLES.glob("*.scn"))
        for base in samples:
            CopySet(SAMPLES, base, out, base, leave_out=(".scn",))
            shutil.copy(made / (base + ".scn"), out / (base + ".scn"))
        # The damaged files of the analyzer's tests, each beside a sample's companions.
        for scenario in sorted(made.glob("*.scn")):
            if scenario.stem in samples or scenario.stem.startswith("Generiert"):
                continue
            CopySet(SAMPLES, "Nova Roma", out, scenario.stem, leave_out=(".scn",))
            shutil.copy(scenario, out / scenario.name)
        # Generated scenarios: pictures of several shapes (the one with the most cities
        # shows a sample's map), and scripts of the samples.
        shapes = [(64, 64), None, (300, 1200), (1000, 600), (1024, 1024), (2048, 2048)]
        for number, shape in enumerate(shapes, 1):
            base = f"Generiert {number}"
            shutil.copy(made / (base + ".scn"), out / (base + ".scn"))
            shutil.copy(made / (base + ".xml"), out / (base + ".xml"))
            if shape:
                Picture(out / (base + "_Color.dds"), *shape, number)
            else:
                shutil.copy(SAMPLES / "Tiberis_Color.dds", out / (base + "_Color.dds"))
            if number != 5:
                shutil.copy(SAMPLES / ("Legatus.cs" if number % 2 else "Tiberis.cs"),
                            out / (base + ".cs"))

    # Names with blanks, umlauts and numbers; a scenario the game ships; a name holding "Region".
    for base, new_base in (("Tiberis", "Ägyptens Küste"), ("Legatus", "Limes 2"),
                           ("Legatus", "Limes 10"), ("Tiberis", "Ostia"),
                           ("Nova Roma", "Region Nord"), ("Tiberis", "Großes Ende")):
        CopySet(SAMPLES, base, out, new_base)
    (out / "Großes Ende.scn").rename(out / "Großes Ende.SCN")
    # Names that differ only in their Unicode form, and a scenario without a base name: each
    # has its own address in the page.
    CopySet(SAMPLES, "Tiberis", out, unicodedata.normalize("NFC", "Olivenöl"))
    CopySet(SAMPLES, "Legatus", out, unicodedata.normalize("NFD", "Olivenöl"))
    CopySet(SAMPLES, "Nova Roma", out, "")
    # Missing and wrong companion files.
    CopySet(SAMPLES, "Nova Roma", out, "Ohne Bild", leave_out=("_Color.dds",))
    CopySet(SAMPLES, "Nova Roma", out, "Ohne Text", leave_out=(".xml",))
    CopySet(SAMPLES, "Nova Roma", out, "Ohne Skript", leave_out=(".cs",))
    CopySet(SAMPLES, "Nova Roma", out, "Falsches Bild")
    wrong = bytearray((out / "Falsches Bild_Color.dds").read_bytes())
    wrong[84:88] = b"DXT5"
    (out / "Falsches Bild_Color.dds").write_bytes(bytes(wrong))
    CopySet(SAMPLES, "Nova Roma", out, "Skriptfehler")
    (out / "Skriptfehler.cs").write_text("mInvasions = new InvasionSetup[kAnzahl];\n")
    # Texts in other encodings: a script in UTF-16 and a text file in Windows-1252.
    CopySet(SAMPLES, "Legatus", out, "Kodierungen")
    script = (SAMPLES / "Legatus.cs").read_text(encoding="utf-8") + "// Grüße aus Köln\n"
    (out / "Kodierungen.cs").write_bytes(b"\xff\xfe" + script.encode("utf-16-le"))
    texts = (SAMPLES / "Legatus.xml").read_text(encoding="utf-8")
    texts = texts.replace('encoding="utf-8"', 'encoding="windows-1252"')
    texts = texts.replace("Legatus\\n", "Legatus – Grüße aus Köln\\n", 1)
    (out / "Kodierungen.xml").write_bytes(texts.encode("cp1252"))
    # A text file with a document type declaration, which the window's XML document refuses.
    CopySet(SAMPLES, "Tiberis", out, "Doctype")
    texts = (SAMPLES / "Tiberis.xml").read_text(encoding="utf-8")
    texts = texts.replace("?>", '?>\n<!DOCTYPE Strings [<!ENTITY lol "Lol">]>', 1)
    (out / "Doctype.xml").write_text(texts.replace("Tiberis", "&lol;", 1), encoding="utf-8")
    # What the scenario list leaves out.
    CopySet(SAMPLES, "Tiberis", out, "Rex_Alba")
    (out / "Ordner.scn").mkdir()
    if not arguments.portable:
        CopySet(SAMPLES, "Campania Felix", out, INJECTION, leave_out=(".xml",))
        (out / (INJECTION + ".xml")).write_text(INJECTED_TEXTS, encoding="utf-8")


if __name__ == "__main__":
    main()
