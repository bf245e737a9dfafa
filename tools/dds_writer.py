#!/usr/bin/python3
"""Our own DXT1 encoder and DirectDraw Surface writer.

Makes the scenario pictures of the sample installation and the test and
benchmark pictures of the lister's DXT1 decoder.

  dds_writer.py encode IN.png OUT.dds        encode a picture (sides a multiple of 4)
  dds_writer.py random WIDTH HEIGHT SEED OUT.dds
                                             random blocks, both block modes and the
                                             rounding ties among them
"""
import random
import struct
import sys

HEADER_SIZE = 124
FLAGS = 0x1 | 0x2 | 0x4 | 0x1000 | 0x80000  # caps, height, width, pixel format, linear size
PIXEL_FORMAT_FOURCC = 0x4
CAPS_TEXTURE = 0x1000


def header(width, height):
    """The 128 bytes before the block data of a one-level DXT1 surface."""
    linear_size = max(1, (width + 3) // 4) * max(1, (height + 3) // 4) * 8
    pixel_format = struct.pack("<II4s5I", 32, PIXEL_FORMAT_FOURCC, b"DXT1", 0, 0, 0, 0, 0)
    return (b"DDS " + struct.pack("<7I", HEADER_SIZE, FLAGS, height, width, linear_size, 0, 0)
            + bytes(44) + pixel_format + struct.pack("<5I", CAPS_TEXTURE, 0, 0, 0, 0))


def write_dds(path, width, height, blocks):
    with open(path, "wb") as out:
        out.write(header(width, height))
        out.write(blocks)


def pack565(rgb):
    r, g, b = rgb
    return (round(r * 31 / 255) << 11) | (round(g * 63 / 255) << 5) | round(b * 31 / 255)


def unpack565(colour):
    return colour >> 11, (colour >> 5) & 63, colour & 31


def nearest_even(numerator, denominator):
    quotient, remainder = divmod(numerator, denominator)
    if 2 * remainder > denominator or (2 * remainder == denominator and quotient % 2):
        quotient += 1
    return quotient


def palette(colour0, colour1):
    """The four block colours, as the lister decodes them (magenta for index 3
    of a three-colour block)."""
    c0, c1 = unpack565(colour0), unpack565(colour1)
    maxima = (31, 63, 31)
    entries = [tuple(nearest_even(v * 255, m) for v, m in zip(c, maxima)) for c in (c0, c1)]
    if colour0 > colour1:
        entries.append(tuple(nearest_even((2 * a + b) * 255, 3 * m) for a, b, m in zip(c0, c1, maxima)))
        entries.append(tuple(nearest_even((a + 2 * b) * 255, 3 * m) for a, b, m in zip(c0, c1, maxima)))
    else:
        entries.append(tuple(nearest_even((a + b) * 255, 2 * m) for a, b, m in zip(c0, c1, maxima)))
        entries.append((255, 0, 255))
    return entries


def distance(a, b):
    return sum((x - y) * (x - y) for x, y in zip(a, b))


def encode_block(pixels):
    """Sixteen RGB pixels, row by row, to one four-colour block whose end
    points are the extremes of the block's brightest and darkest pixels."""
    brightness = [2 * r + 4 * g + b for r, g, b in pixels]
    colour0 = pack565(pixels[brightness.index(max(brightness))])
    colour1 = pack565(pixels[brightness.index(min(brightness))])
    if colour0 < colour1:
        colour0, colour1 = colour1, colour0
    if colour0 == colour1:
        return struct.pack("<HHI", colour0, colour1, 0)
    entries = palette(colour0, colour1)
    indices = 0
    for i, pixel in enumerate(pixels):
        best = min(range(4), key=lambda e: distance(pixel, entries[e]))
        indices |= best << (2 * i)
    return struct.pack("<HHI", colour0, colour1, indices)


def encode(image):
    """An RGB picture (a PIL image) whose sides are multiples of 4."""
    width, height = image.size
    if width % 4 or height % 4:
        raise ValueError("width and height must be multiples of 4")
    pixels = image.convert("RGB").load()
    blocks = bytearray()
    for by in range(0, height, 4):
        for bx in range(0, width, 4):
            block = [pixels[bx + i, by + r] for r in range(4) for i in range(4)]
            blocks += encode_block(block)
    return bytes(blocks)


def random_blocks(width, height, seed):
    """Random blocks; every fourth one is a three-colour block whose mixed
    entry falls on a rounding tie in one channel."""
    rng = random.Random(seed)
    ties = [(15 << 11, 16 << 11), (15, 16), (10 << 5, 11 << 5), (31 << 5, 32 << 5),
            (52 << 5, 53 << 5)]
    blocks = bytearray()
    for n in range((width // 4) * (height // 4)):
        if n % 4 == 3:
            colour0, colour1 = ties[(n // 4) % len(ties)]
        else:
            colour0, colour1 = rng.getrandbits(16), rng.getrandbits(16)
        blocks += struct.pack("<HHI", colour0, colour1, rng.getrandbits(32))
    return bytes(blocks)


def main(argv):
    if len(argv) == 4 and argv[1] == "encode":
        from PIL import Image
        image = Image.open(argv[2])
        write_dds(argv[3], image.size[0], image.size[1], encode(image))
    elif len(argv) == 6 and argv[1] == "random":
        width, height, seed = int(argv[2]), int(argv[3]), int(argv[4])
        write_dds(argv[5], width, height, random_blocks(width, height, seed))
    else:
        sys.exit(__doc__)


if __name__ == "__main__":
    main(sys.argv)
