#!/usr/bin/python3
"""Draws the map pictures of the sample scenarios and writes them as DXT1
DirectDraw Surface files ("<name>_Color.dds") into the sample installation.

  draw_sample_maps.py [FOLDER]    default: samples/Data/Scenarios of this tree
"""
import os
import random
import sys

from PIL import Image, ImageDraw, ImageFilter

import dds_writer

SIZE = 256

SEA = (38, 84, 140)
SHALLOW = (70, 128, 172)
SAND = (214, 190, 132)
DRY_GRASS = (170, 160, 92)
GRASS = (104, 148, 70)
FIELD = (180, 170, 70)
FOREST = (46, 92, 48)
ROCK = (128, 118, 108)
SNOW = (236, 236, 240)
ROAD = (150, 120, 84)
ROOF = (176, 70, 52)
WALL = (226, 214, 190)


def terrain(rng, low, high, scale=8):
    """Smooth noise between two colours: a small random grid enlarged."""
    grid = Image.new("L", (scale, scale))
    grid.putdata([rng.randrange(256) for _ in range(scale * scale)])
    mask = grid.resize((SIZE, SIZE), Image.BICUBIC).filter(ImageFilter.GaussianBlur(6))
    return Image.composite(Image.new("RGB", (SIZE, SIZE), high),
                           Image.new("RGB", (SIZE, SIZE), low), mask)


def wander(rng, start, end, steps=12, spread=18):
    """A winding line from start to end, for rivers and roads."""
    points = []
    for i in range(steps + 1):
        t = i / steps
        x = start[0] + (end[0] - start[0]) * t
        y = start[1] + (end[1] - start[1]) * t
        if 0 < i < steps:
            x += rng.uniform(-spread, spread)
            y += rng.uniform(-spread, spread)
        points.append((x, y))
    return points


def coast(draw, rng, side, depth):
    """Sea along one side of the map with a ragged shore and shallow water."""
    edge = []
    for i in range(17):
        along = i * SIZE / 16
        across = depth + rng.uniform(-10, 10)
        edge.append({"top": (along, across), "left": (across, along)}[side])
    corners = {"top": [(SIZE, 0), (0, 0)], "left": [(0, SIZE), (0, 0)]}[side]
    draw.polygon(edge + corners, fill=SHALLOW)
    inner = [(x, y - 12) if side == "top" else (x - 12, y) for x, y in edge]
    draw.polygon(inner + corners, fill=SEA)


def town(draw, rng, centre, houses=14):
    x0, y0 = centre
    draw.ellipse([x0 - 16, y0 - 16, x0 + 16, y0 + 16], fill=WALL)
    for _ in range(houses):
        x = x0 + rng.randint(-12, 10)
        y = y0 + rng.randint(-12, 10)
        draw.rectangle([x, y, x + 4, y + 3], fill=ROOF)


def fields(draw, rng, area, count, colour=FIELD):
    left, top, right, bottom = area
    for _ in range(count):
        x = rng.randint(left, right - 14)
        y = rng.randint(top, bottom - 10)
        draw.rectangle([x, y, x + rng.randint(8, 14), y + rng.randint(6, 10)], fill=colour)


def tiberis(rng):
    image = terrain(rng, SAND, DRY_GRASS)
    draw = ImageDraw.Draw(image)
    river = wander(rng, (150, SIZE), (110, 30))
    draw.line(river, fill=GRASS, width=46, joint="curve")
    fields(draw, rng, (70, 70, 190, 240), 22)
    coast(draw, rng, "top", 34)
    draw.line(river, fill=SHALLOW, width=7, joint="curve")
    draw.line(wander(rng, (0, 150), (SIZE, 120), spread=8), fill=ROAD, width=3)
    town(draw, rng, (92, 62))
    return image


def campania_felix(rng):
    image = terrain(rng, GRASS, DRY_GRASS)
    draw = ImageDraw.Draw(image)
    fields(draw, rng, (60, 20, 170, 240), 30)
    for row in range(8):  # vineyards
        y = 170 + row * 5
        draw.line([(120, y), (170, y)], fill=FOREST, width=2)
    draw.ellipse([170, 30, 246, 106], fill=ROCK)  # the volcano
    draw.ellipse([196, 56, 220, 80], fill=(80, 70, 64))
    coast(draw, rng, "left", 46)
    draw.line(wander(rng, (60, 140), (SIZE, 150), spread=10), fill=ROAD, width=3)
    town(draw, rng, (78, 132))
    return image


def legatus(rng):
    image = terrain(rng, FOREST, GRASS, scale=12)
    draw = ImageDraw.Draw(image)
    for _ in range(7):  # hills with snow on top
        x, y = rng.randint(20, 230), rng.randint(10, 90)
        draw.ellipse([x - 22, y - 14, x + 22, y + 14], fill=ROCK)
        draw.ellipse([x - 8, y - 6, x + 8, y + 4], fill=SNOW)
    draw.ellipse([150, 150, 220, 200], fill=SHALLOW)  # the lake
    draw.ellipse([158, 158, 212, 192], fill=SEA)
    draw.line(wander(rng, (0, 200), (SIZE, 110), spread=12), fill=ROAD, width=3)
    draw.line(wander(rng, (110, SIZE), (120, 110), spread=10), fill=ROAD, width=3)
    fields(draw, rng, (40, 120, 140, 240), 10, colour=DRY_GRASS)
    town(draw, rng, (118, 150), houses=10)
    return image


def nova_roma(rng):
    image = terrain(rng, SAND, (232, 208, 150))
    draw = ImageDraw.Draw(image)
    for row in range(14):  # dunes
        y = 8 + row * 18
        draw.line(wander(rng, (0, y), (SIZE, y + rng.randint(-6, 6)), steps=16, spread=3),
                  fill=(196, 168, 110), width=2)
    draw.ellipse([96, 96, 176, 160], fill=GRASS)  # the oasis
    draw.ellipse([122, 116, 150, 138], fill=SHALLOW)
    for _ in range(18):  # palms
        x, y = rng.randint(100, 170), rng.randint(98, 156)
        draw.ellipse([x - 3, y - 3, x + 3, y + 3], fill=FOREST)
    draw.line(wander(rng, (0, 60), (SIZE, 220), spread=10), fill=ROAD, width=3)
    town(draw, rng, (184, 170))
    return image


SAMPLES = {
    "Tiberis": tiberis,
    "Campania Felix": campania_felix,
    "Legatus": legatus,
    "Nova Roma": nova_roma,
}


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "samples", "Data",
                                                                 "Scenarios")
    for seed, (name, draw_map) in enumerate(SAMPLES.items()):
        image = draw_map(random.Random(seed)).filter(ImageFilter.SMOOTH)
        path = os.path.join(folder, name + "_Color.dds")
        dds_writer.write_dds(path, SIZE, SIZE, dds_writer.encode(image))
        print(path)


if __name__ == "__main__":
    main()
