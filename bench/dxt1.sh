#!/usr/bin/env bash
# The lister's DXT1 decoder against Pillow's on the same 2048 by 2048 picture,
# timed around reading and decoding inside the program, best of several runs:
#   fresh process: every run a new process that reads and decodes once, as a
#     player's program pays it (page faults of the new picture included);
#   in process: one process reading and decoding again and again.
# Pillow registers its file-format plugins once per process before the timer
# starts, so both sides time the reading and the decoding only.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
# DXT1_TOOL names another build of the tool, to compare before and after a change.
tool="${DXT1_TOOL:-$root/build/native/lister/tests/dxt1_tool}"
[ -n "${DXT1_TOOL:-}" ] || cmake --build --preset native --target dxt1_tool >/dev/null
work="$root/build/bench"
mkdir -p "$work"
picture="$work/dxt1_2048.dds"
runs=${DXT1_RUNS:-20}

[ -f "$picture" ] || /usr/bin/python3 "$root/tools/dds_writer.py" random 2048 2048 1 "$picture"

pillow_script='
import sys, time
from PIL import Image
path, repeats = sys.argv[1], int(sys.argv[2])
Image.init()
best = None
for _ in range(repeats):
    start = time.perf_counter()
    with Image.open(path) as image:
        image.load()
    took = (time.perf_counter() - start) * 1000
    best = took if best is None else min(best, took)
print(f"{best:.3f}")
'

# The smallest of the numbers on standard input.
least() { sort -g | head -n 1; }

ours_fresh=$(for _ in $(seq "$runs"); do "$tool" time "$picture" 1; done | least)
pillow_fresh=$(for _ in $(seq "$runs"); do
  /usr/bin/python3 -c "$pillow_script" "$picture" 1
done | least)
ours_warm=$("$tool" time "$picture" "$runs")
pillow_warm=$(/usr/bin/python3 -c "$pillow_script" "$picture" "$runs")

ratio() { awk -v o="$1" -v p="$2" 'BEGIN { printf "%.2f", o / p }'; }
echo "DXT1 2048x2048, read and decode, best of $runs (ratio below 1: the lister is faster):"
echo "  fresh process: lister $ours_fresh ms, Pillow $pillow_fresh ms," \
  "ratio $(ratio "$ours_fresh" "$pillow_fresh")"
echo "  in process:    lister $ours_warm ms, Pillow $pillow_warm ms," \
  "ratio $(ratio "$ours_warm" "$pillow_warm")"
