"""The lister's two font families, derived from free fonts of Debian packages.

Each derivative is renamed (the licences require a new name for a modified font),
cut down to the characters a German window needs, and stored with TrueType outlines,
because the window registers the fonts from memory as TrueType data.
"""
import calendar
import logging
import os

from fontTools import subset
from fontTools.misc.timeTools import timestampSinceEpoch
from fontTools.pens.cu2quPen import Cu2QuPen
from fontTools.pens.ttGlyphPen import TTGlyphPen
from fontTools.ttLib import TTFont, newTable

# The display source's creation date predates the format's epoch; fontTools warns, harmlessly.
logging.getLogger("fontTools.ttLib.tables._h_e_a_d").setLevel(logging.ERROR)

LATO = "/usr/share/fonts/truetype/lato/"
CHORUS = "/usr/share/texmf/fonts/opentype/public/tex-gyre/texgyrechorus-mediumitalic.otf"

# (output file, source file, family, subfamily, PostScript name, origin)
DERIVED_FONTS = [
    ("text-regular.ttf", LATO + "Lato-Regular.ttf", "Avery Deluxe", "Regular", "AveryDeluxe-Regular",
     "Lato Regular of the Debian package fonts-lato"),
    ("text-bold.ttf", LATO + "Lato-Bold.ttf", "Avery Deluxe", "Bold", "AveryDeluxe-Bold",
     "Lato Bold of the Debian package fonts-lato"),
    ("display.ttf", CHORUS, "Formal436 BT", "Regular", "Formal436BT-Regular",
     "TeX Gyre Chorus of the Debian package fonts-texgyre"),
]

# Basic Latin, Latin-1, Latin Extended-A, typographic punctuation and the euro sign.
KEPT_CHARACTERS = (
    list(range(0x20, 0x7F)) + list(range(0xA0, 0x180))
    + list(range(0x2010, 0x2027)) + [0x2030, 0x2039, 0x203A, 0x20AC, 0x2122]
)

# Name ids that carry the family's name; the typographic and variation names
# (16 to 18, 21, 22) are dropped, so every platform sees the plain family.
RENAMED_IDS = (1, 2, 3, 4, 6, 10)
DROPPED_IDS = (16, 17, 18, 21, 22)
PLATFORMS = ((3, 1, 0x409), (1, 0, 0))


def ConvertToQuadraticOutlines(font):
    """Replaces cubic (CFF) outlines by quadratic TrueType outlines."""
    glyph_set = font.getGlyphSet()
    glyf = newTable("glyf")
    glyf.glyphOrder = font.getGlyphOrder()
    glyf.glyphs = {}
    for name in glyf.glyphOrder:
        pen = TTGlyphPen(None)
        glyph_set[name].draw(Cu2QuPen(pen, max_err=1.0, reverse_direction=True))
        glyf.glyphs[name] = pen.glyph()
    font["glyf"] = glyf
    font["loca"] = newTable("loca")
    del font["CFF "]

    maxp = font["maxp"]
    maxp.tableVersion = 0x00010000
    maxp.maxZones = 1
    for field in ("maxTwilightPoints", "maxStorage", "maxFunctionDefs", "maxInstructionDefs",
                  "maxStackElements", "maxSizeOfInstructions", "maxComponentElements",
                  "maxPoints", "maxContours", "maxCompositePoints", "maxCompositeContours",
                  "maxComponentDepth"):
        setattr(maxp, field, 0)

    post = font["post"]
    post.formatType = 2.0
    post.extraNames = []
    post.mapping = {}
    post.glyphOrder = None

    font["head"].glyphDataFormat = 0
    font.sfntVersion = "\x00\x01\x00\x00"

    gasp = newTable("gasp")
    gasp.version = 1
    gasp.gaspRange = {0xFFFF: 0x000F}  # smooth and grid-fitted at every size
    font["gasp"] = gasp


def KeepGermanCharacters(font):
    options = subset.Options()
    options.name_IDs = ["*"]
    options.name_languages = ["*"]
    options.notdef_outline = True
    options.glyph_names = False
    subsetter = subset.Subsetter(options)
    subsetter.populate(unicodes=KEPT_CHARACTERS)
    subsetter.subset(font)


def MarkUpright(font):
    """The display face is a slanted hand by design; registered as an italic style, a
    request for the plain family would not find its regular face."""
    os2 = font["OS/2"]
    os2.fsSelection = (os2.fsSelection & ~0x0001) | 0x0040
    font["head"].macStyle &= ~0x0002


def Rename(font, family, subfamily, postscript_name, origin):
    name = font["name"]
    full_name = family if subfamily == "Regular" else family + " " + subfamily
    texts = {1: family, 2: subfamily, 3: postscript_name + "; derived for Z7 Uzeror 3",
             4: full_name, 6: postscript_name,
             10: "Modified version of " + origin + ": renamed, cut to Latin characters,"
                 " TrueType outlines."}
    name.names = [r for r in name.names if r.nameID not in RENAMED_IDS + DROPPED_IDS]
    for name_id in RENAMED_IDS:
        for platform, encoding, language in PLATFORMS:
            name.setName(texts[name_id], name_id, platform, encoding, language)


def FontTimestamp(release_year):
    """The fonts' creation and modification time, in seconds since 1904 as the "head" table
    keeps it: SOURCE_DATE_EPOCH when it is set, else 1 January of the release year, so that
    two builds of one release carry the same bytes."""
    unix_time = os.environ.get("SOURCE_DATE_EPOCH")
    if unix_time is None:
        unix_time = calendar.timegm((int(release_year), 1, 1, 0, 0, 0))
    return timestampSinceEpoch(int(unix_time))


def DeriveFont(source, family, subfamily, postscript_name, origin, target, timestamp):
    font = TTFont(source, recalcTimestamp=False)
    KeepGermanCharacters(font)
    if "CFF " in font:
        ConvertToQuadraticOutlines(font)
    if subfamily == "Regular":
        MarkUpright(font)
    Rename(font, family, subfamily, postscript_name, origin)
    font["head"].created = font["head"].modified = timestamp
    font.save(target)


def DeriveFonts(out_dir, release_year):
    """Writes every derived font into out_dir; returns their paths by file name."""
    timestamp = FontTimestamp(release_year)
    written = {}
    for file_name, source, family, subfamily, postscript_name, origin in DERIVED_FONTS:
        target = out_dir / file_name
        DeriveFont(source, family, subfamily, postscript_name, origin, target, timestamp)
        written[file_name] = target
    return written
