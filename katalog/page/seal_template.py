#!/usr/bin/python3
"""The page's template sealed from its sources, at build time: template.html (the markup)
with katalog.css as its one style element and katalog.js as its one script element, and
the SHA-256 digests of both in its Content-Security-Policy, so that the browser applies that
style and runs that script and nothing else inline. What is left to fill is the row table,
{{KATALOG_ZEILEN}}. Also the catalogue's fonts file, bilder/schriften.js.

seal_template.py OUT: writes the sealed template to OUT, to look at."""
import base64
import hashlib
import json
import pathlib
import re
import sys

PAGE = pathlib.Path(__file__).resolve().parent
ROWS_PLACEHOLDER = "{{KATALOG_ZEILEN}}"

# The families of the lister's window: family, weight, font file of the lister's resources.
FONTS = (("Avery Deluxe", "400", "text-regular.ttf"), ("Avery Deluxe", "700", "text-bold.ttf"),
         ("Formal436 BT", "400", "display.ttf"))

# What a source may not hold: it would end its element early or be taken for a placeholder.
FORBIDDEN = re.compile(r"</script|</style|<!--|\{\{", re.I)


def Digest(text):
    return "'sha256-" + base64.b64encode(hashlib.sha256(text.encode()).digest()).decode() + "'"


def Fill(template, values):
    """Each placeholder, which must stand exactly once, replaced in one pass from left to
    right, so that a value is never searched."""
    pieces, rest = [], template
    for placeholder, value in values:
        if template.count(placeholder) != 1:
            raise ValueError(f"the template must hold {placeholder} exactly once")
        before, found, rest = rest.partition(placeholder)
        if not found:
            raise ValueError(f"{placeholder} is out of order in the template")
        pieces += [before, value]
    pieces.append(rest)
    return "".join(pieces)


def SealedTemplate(page=PAGE):
    """The template with its style, script and their digests: the text of the page up to
    its row table."""
    style = (page / "katalog.css").read_bytes().decode()
    script = (page / "katalog.js").read_bytes().decode()
    for name, text in (("katalog.css", style), ("katalog.js", script)):
        if FORBIDDEN.search(text):
            raise ValueError(f"{name} holds {FORBIDDEN.search(text).group()!r}")
    template = (page / "template.html").read_bytes().decode()
    return Fill(template, [("{{SKRIPT_DIGEST}}", Digest(script)),
                           ("{{STIL_DIGEST}}", Digest(style)), ("{{STIL}}", style),
                           (ROWS_PLACEHOLDER, ROWS_PLACEHOLDER), ("{{SKRIPT}}", script)])


def FontsScript(resources):
    """bilder/schriften.js: katalogSchriften( the fonts as base64 );"""
    faces = [{"family": family, "weight": weight,
              "data": base64.b64encode((pathlib.Path(resources) / file).read_bytes()).decode()}
             for family, weight, file in FONTS]
    return "katalogSchriften(" + json.dumps(faces, separators=(",", ":")) + ");\n"


if __name__ == "__main__":
    pathlib.Path(sys.argv[1]).write_bytes(SealedTemplate().encode())
