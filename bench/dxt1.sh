#!/usr/bin/env bash
# The lister's DXT1 decoder against Pillow's on the same 2048 by 2048 picture,
# in the same run: the best of several reads and decodes each, and the ratio.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
tool="$root/build/native/lister/tests/dxt1_tool"
[ -x "$tool" ] || cmake --build --preset native --target dxt1_tool >/dev/null
work="$root/build/bench"
mkdir -p "$work"
picture="$work/dxt1_2048.dds"
repeats=20

[ -f "$picture" ] || /usr/bin/python3 "$root/tools/dds_writer.py" random 2048 2048 1 "$picture"

ours=$("$tool" time "$picture" "$repeats")
pillow=$(/usr/bin/python3 - "$picture" "$repeats" <<'PY'
import sys, time
from PIL import Image
path, repeats = sys.argv[1], int(sys.argv[2])
best = None
for _ in range(repeats):
    start = time.perf_counter()
    with Image.open(path) as image:
        image.load()
    took = (time.perf_counter() - start) * 1000
    best = took if best is None else min(best, took)
print(f"{best:.3f}")
PY
)
echo "DXT1 2048x2048, best of $repeats (read and decode):"
echo "  lister decoder: $ours ms"
echo "  Pillow decoder: $pillow ms"
awk -v o="$ours" -v p="$pillow" 'BEGIN { printf "  ratio lister/Pillow: %.2f (below 1: faster)\n", o / p }'
