#!/usr/bin/python3
"""pillow_pictures.py SCENARIO_FOLDER OUT [SHARD SHARDS]: the catalogue's picture work done with
Pillow alone, as the yardstick of katalog's benchmark.

For every map picture (*_Color.dds) of the folder: decode it, scale it by area averaging to fit
1024 and 256 pixels as katalog does (both from the decoded picture), and save both as PNG with
Pillow's default settings. With SHARD and SHARDS, only every SHARDS-th picture from SHARD on, so
that several processes can share the folder."""
import pathlib
import sys

from PIL import Image

LIMITS = {"": 1024, "-klein": 256}


def Fit(width, height, limit):
    larger = max(width, height)
    if larger <= limit:
        return width, height
    return (max(1, (width * limit + larger // 2) // larger),
            max(1, (height * limit + larger // 2) // larger))


def main():
    folder, out = pathlib.Path(sys.argv[1]), pathlib.Path(sys.argv[2])
    shard, shards = (int(sys.argv[3]), int(sys.argv[4])) if len(sys.argv) > 4 else (0, 1)
    out.mkdir(parents=True, exist_ok=True)
    for index, path in enumerate(sorted(folder.glob("*_Color.dds"))):
        if index % shards != shard:
            continue
        with Image.open(path) as picture:
            picture = picture.convert("RGB")
            for suffix, limit in LIMITS.items():
                scaled = picture.resize(Fit(*picture.size, limit), Image.Resampling.BOX)
                scaled.save(out / f"{index:04d}{suffix}.png")


if __name__ == "__main__":
    main()
