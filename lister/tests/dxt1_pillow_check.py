#!/usr/bin/python3
"""Checks the lister's DXT1 decoder against Pillow's on generated pictures.

Pillow expands the two end colours to 8 bits before it interpolates and then
truncates, so the two decoders may differ by 1 per channel, never more. Index
3 of a three-colour block is magenta in the lister and transparent black in
Pillow.

  dxt1_pillow_check.py DXT1_TOOL DDS_WRITER
"""
import importlib.util
import os
import struct
import subprocess
import sys
import tempfile

from PIL import Image

SIZES = [(256, 128, 1), (64, 64, 2), (4, 4, 3)]


def load_writer(path):
    found = importlib.util.spec_from_file_location("dds_writer", path)
    module = importlib.util.module_from_spec(found)
    found.loader.exec_module(module)
    return module


def block_entries(blocks, width, height):
    """For every pixel: (colour0 > colour1, palette index)."""
    entries = {}
    for n in range((width // 4) * (height // 4)):
        colour0, colour1, indices = struct.unpack_from("<HHI", blocks, 8 * n)
        bx, by = n % (width // 4), n // (width // 4)
        for p in range(16):
            entries[4 * bx + p % 4, 4 * by + p // 4] = (colour0 > colour1, (indices >> 2 * p) & 3)
    return entries


def check(tool, writer, width, height, seed, folder):
    dds = os.path.join(folder, "check.dds")
    ppm = os.path.join(folder, "check.ppm")
    blocks = writer.random_blocks(width, height, seed)
    writer.write_dds(dds, width, height, blocks)
    subprocess.run([tool, "decode", dds, ppm], check=True)
    ours = Image.open(ppm).convert("RGB").load()
    pillow = Image.open(dds).convert("RGBA").load()
    entries = block_entries(blocks, width, height)
    failures = 0
    for y in range(height):
        for x in range(width):
            four_colours, index = entries[x, y]
            if not four_colours and index == 3:
                ok = ours[x, y] == (255, 0, 255) and pillow[x, y] == (0, 0, 0, 0)
            else:
                ok = pillow[x, y][3] == 255 and all(
                    abs(a - b) <= 1 for a, b in zip(ours[x, y], pillow[x, y][:3]))
            if not ok:
                failures += 1
                if failures <= 5:
                    print(f"{width}x{height} pixel {x},{y}: ours {ours[x, y]}, "
                          f"Pillow {pillow[x, y]}")
    return failures


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    tool, writer = sys.argv[1], load_writer(sys.argv[2])
    with tempfile.TemporaryDirectory() as folder:
        failures = sum(check(tool, writer, w, h, seed, folder) for w, h, seed in SIZES)
    print("differences beyond the rounding:", failures)
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()
