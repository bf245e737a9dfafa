"""Goods pictures: 32 by 32, 24 bits, one per good, rendered from emoji glyphs.

The emoji font draws colour pictures; each one is cropped to its drawn part, scaled into
the square and laid on the window's button-face grey, since the bitmaps carry no alpha.
"""
from PIL import Image, ImageDraw, ImageFont

EMOJI_FONT = "/usr/share/fonts/truetype/noto/NotoColorEmoji.ttf"
EMOJI_SIZE = 109  # the only size at which the font's colour bitmaps are stored
PICTURE_SIZE = 32
BACKGROUND = (240, 240, 240)

# Resource name -> the picture's emoji; a second emoji is laid small into the lower right.
GOODS_PICTURES = [
    ("GRAIN", "\U0001F33E", None),          # sheaf of rice
    ("VEGETABLES", "\U0001F955", None),     # carrot
    ("MEAT", "\U0001F356", None),           # meat on bone
    ("OLIVES", "\U0001FAD2", None),         # olive
    ("GRAPES", "\U0001F347", None),         # grapes
    ("WOOL", "\U0001F9F6", None),           # ball of yarn
    ("TIMBER", "\U0001FAB5", None),         # wood log
    ("CLAY", "\U0001F9F1", None),           # bricks
    ("IRON", "\u26D3", None),               # chain
    ("MARBLE", "\U0001F3DB", None),         # columned building
    ("CLOTHING", "\U0001F455", None),       # shirt
    ("GLASS", "\U0001F943", None),          # tumbler glass
    ("OLIVEOIL", "\U0001FAD9", "\U0001FAD2"),  # jar, with an olive
    ("POTTERY", "\U0001F3FA", None),        # amphora
    ("FURNITURE", "\U0001FA91", None),      # chair
    ("JEWELRY", "\U0001F48D", None),        # ring
    ("UTENSILS", "\U0001F374", None),       # fork and knife
    ("WINE", "\U0001F377", None),           # wine glass
    ("ARMOR", "\U0001F6E1", None),          # shield
    ("WEAPONS", "\u2694", None),            # crossed swords
    ("AMBER", "\U0001F536", None),          # orange diamond
    ("COSMETICS", "\U0001F484", None),      # lipstick
    ("FURS", "\U0001F98A", None),           # fox
    ("INCENSE", "\U0001FA94", None),        # oil lamp
    ("HONEY", "\U0001F36F", None),          # honey pot
    ("IVORY", "\U0001F418", None),          # elephant
    ("PERFUME", "\U0001F338", None),        # blossom
    ("SALT", "\U0001F9C2", None),           # salt shaker
    ("SILK", "\U0001F9F5", None),           # thread
    ("SPICES", "\U0001F336", None),         # hot pepper
    ("DENARII", "\U0001FA99", None),        # coin
    ("GOLD", "\U0001F451", None),           # crown
    ("PAPYRUS", "\U0001F4DC", None),        # scroll
    ("SAND", "\u23F3", None),               # hourglass
    ("SILPHIUM", "\U0001F33F", None),       # herb
]


def RenderEmoji(font, character, size):
    """The emoji cropped to its drawn part and scaled to fit size by size, with alpha."""
    canvas = Image.new("RGBA", (EMOJI_SIZE * 3 // 2, EMOJI_SIZE * 3 // 2), (0, 0, 0, 0))
    ImageDraw.Draw(canvas).text((0, 0), character, font=font, embedded_color=True)
    drawn = canvas.crop(canvas.getbbox())
    scale = size / max(drawn.size)
    width = max(1, round(drawn.width * scale))
    height = max(1, round(drawn.height * scale))
    return drawn.resize((width, height), Image.LANCZOS)


def DrawGood(font, main, corner):
    picture = Image.new("RGB", (PICTURE_SIZE, PICTURE_SIZE), BACKGROUND)
    main_size = PICTURE_SIZE - 2
    glyph = RenderEmoji(font, main, main_size)
    picture.paste(glyph, ((PICTURE_SIZE - glyph.width) // 2, (PICTURE_SIZE - glyph.height) // 2), glyph)
    if corner:
        small = RenderEmoji(font, corner, PICTURE_SIZE // 2)
        picture.paste(small, (PICTURE_SIZE - small.width, PICTURE_SIZE - small.height), small)
    return picture


def DrawGoods(out_dir):
    """Writes NAME.bmp for every good; returns the paths by resource name."""
    font = ImageFont.truetype(EMOJI_FONT, EMOJI_SIZE)
    goods_dir = out_dir / "goods"
    goods_dir.mkdir(exist_ok=True)
    written = {}
    for name, main, corner in GOODS_PICTURES:
        target = goods_dir / (name + ".bmp")
        DrawGood(font, main, corner).save(target)
        written[name] = target
    return written
