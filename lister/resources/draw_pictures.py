"""The window's own pictures: the banner, the map placeholder and the program icon.

All three share one motif, a compass rose on parchment in the window's maroon.
"""
import io
import math
import random
import struct

from PIL import Image, ImageDraw, ImageFilter, ImageFont

MAROON = (112, 0, 0)
INK = (60, 40, 25)
PARCHMENT_LIGHT = (243, 230, 198)
PARCHMENT_DARK = (214, 190, 140)
GOLD = (196, 150, 60)

BANNER_SIZE = (278, 75)
PLACEHOLDER_SIZE = (2048, 2018)
ICON_SIZES = (256, 48, 32, 24, 16)
TITLE = "Z7 Uzeror 3"


def DrawCompassRose(draw, cx, cy, radius, ink, accent):
    """Eight points: long ones to the cardinal directions, drawn over short ones between."""
    for step in (1, 3, 5, 7, 0, 2, 4, 6):
        angle = math.radians(step * 45 - 90)
        cardinal = step % 2 == 0
        length = radius if cardinal else radius * 0.6
        half_width = radius * (0.16 if cardinal else 0.12)
        tip = (cx + length * math.cos(angle), cy + length * math.sin(angle))
        left = (cx + half_width * math.cos(angle - math.pi / 2), cy + half_width * math.sin(angle - math.pi / 2))
        right = (cx + half_width * math.cos(angle + math.pi / 2), cy + half_width * math.sin(angle + math.pi / 2))
        draw.polygon([(cx, cy), left, tip], fill=ink if cardinal else accent)
        draw.polygon([(cx, cy), tip, right], fill=accent if cardinal else ink)
    hub = max(1, radius * 0.07)
    draw.ellipse((cx - hub, cy - hub, cx + hub, cy + hub), fill=accent, outline=ink)


def Parchment(size, seed, grain):
    """A smooth, mottled parchment: low-frequency noise between two tones, few colours."""
    rng = random.Random(seed)
    coarse = Image.new("L", (max(2, size[0] // grain), max(2, size[1] // grain)))
    coarse.putdata([rng.randrange(256) for _ in range(coarse.width * coarse.height)])
    mottle = coarse.resize(size, Image.BICUBIC).filter(ImageFilter.GaussianBlur(grain / 2))
    return Image.composite(Image.new("RGB", size, PARCHMENT_LIGHT), Image.new("RGB", size, PARCHMENT_DARK), mottle)


def DrawBanner(display_font_path):
    width, height = BANNER_SIZE
    banner = Parchment(BANNER_SIZE, seed=3, grain=12)
    draw = ImageDraw.Draw(banner)
    draw.rectangle((0, 0, width - 1, height - 1), outline=MAROON, width=2)
    draw.rectangle((4, 4, width - 5, height - 5), outline=GOLD, width=1)
    DrawCompassRose(draw, 38, height / 2, 28, INK, GOLD)
    font = ImageFont.truetype(str(display_font_path), 38)
    text_box = draw.textbbox((0, 0), TITLE, font=font)
    text_width, text_height = text_box[2] - text_box[0], text_box[3] - text_box[1]
    left = 74 + (width - 74 - 8 - text_width) / 2 - text_box[0]
    top = (height - text_height) / 2 - text_box[1]
    draw.text((left, top), TITLE, font=font, fill=MAROON)
    return banner


def DrawPlaceholder():
    """The map's stand-in: parchment, a faint grid, a large compass rose; kept to few colours
    so that the PNG stays small."""
    width, height = PLACEHOLDER_SIZE
    picture = Parchment(PLACEHOLDER_SIZE, seed=7, grain=96)
    draw = ImageDraw.Draw(picture)
    for x in range(0, width, 128):
        draw.line((x, 0, x, height), fill=PARCHMENT_DARK, width=3)
    for y in range(0, height, 128):
        draw.line((0, y, width, y), fill=PARCHMENT_DARK, width=3)
    cx, cy = width / 2, height / 2
    for radius, line in ((700, 10), (660, 4), (380, 4)):
        draw.ellipse((cx - radius, cy - radius, cx + radius, cy + radius), outline=INK, width=line)
    DrawCompassRose(draw, cx, cy, 640, INK, GOLD)
    draw.rectangle((0, 0, width - 1, height - 1), outline=MAROON, width=24)
    return picture.quantize(colors=32, dither=Image.Dither.NONE)


def DrawIconImage(size):
    """A compass rose on a parchment disc with a maroon rim, on a transparent ground."""
    scale = 4  # drawn large and scaled down for smooth edges
    big = size * scale
    image = Image.new("RGBA", (big, big), (0, 0, 0, 0))
    draw = ImageDraw.Draw(image)
    rim = big * 0.06
    draw.ellipse((0, 0, big - 1, big - 1), fill=MAROON)
    draw.ellipse((rim, rim, big - 1 - rim, big - 1 - rim), fill=PARCHMENT_LIGHT)
    DrawCompassRose(draw, big / 2, big / 2, big / 2 - rim * 1.5, INK, GOLD)
    return image.resize((size, size), Image.LANCZOS)


def IconDib(image):
    """An icon image as a 32-bit BGRA device-independent bitmap with its AND mask."""
    size = image.width
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    rows = []
    for y in reversed(range(size)):
        row = bytearray()
        for x in range(size):
            r, g, b, a = image.getpixel((x, y))
            row += bytes((b, g, r, a))
        rows.append(bytes(row))
    mask_stride = ((size + 31) // 32) * 4
    mask = bytearray()
    for y in reversed(range(size)):
        bits = bytearray(mask_stride)
        for x in range(size):
            if image.getpixel((x, y))[3] < 128:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return header + b"".join(rows) + bytes(mask)


def IconFile(images):
    """An .ico file: the 256-pixel image PNG-compressed, the smaller ones as DIBs."""
    entries = []
    for image in images:
        if image.width >= 256:
            buffer = io.BytesIO()
            image.save(buffer, "PNG", optimize=True)
            entries.append((image.width, buffer.getvalue()))
        else:
            entries.append((image.width, IconDib(image)))
    offset = 6 + 16 * len(entries)
    directory = struct.pack("<HHH", 0, 1, len(entries))
    for size, data in entries:
        dimension = 0 if size >= 256 else size
        directory += struct.pack("<BBBBHHII", dimension, dimension, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    return directory + b"".join(data for _, data in entries)


def DrawPictures(out_dir, display_font_path):
    """Writes banner.bmp, placeholder.png and program.ico; returns their paths by name."""
    written = {"BANNER": out_dir / "banner.bmp", "MAPPLACEHOLDER": out_dir / "placeholder.png",
               "ICON": out_dir / "program.ico"}
    DrawBanner(display_font_path).save(written["BANNER"])
    DrawPlaceholder().save(written["MAPPLACEHOLDER"], optimize=True)
    written["ICON"].write_bytes(IconFile([DrawIconImage(size) for size in ICON_SIZES]))
    return written
