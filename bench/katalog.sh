#!/usr/bin/env bash
# The catalogue of 400 scenarios with 2048 by 2048 map pictures (made once by
# make_katalog_bench.py and kept in build/bench/): the time per scenario with
# one job, the speed-up with two jobs in the same run, and katalog.exe under
# Wine against the Linux build on the same folder. RUNS runs of each, the best
# one counts.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
runs="${RUNS:-3}"
count=400
native="$root/build/native"
work="$root/build/bench"
folder="$work/katalog-szenarien"

cmake --preset native >/dev/null
cmake --build --preset native --target katalog make_test_scenarios >/dev/null
mkdir -p "$work"
/usr/bin/python3 "$root/bench/make_katalog_bench.py" "$native/katalog/tests/make_test_scenarios" \
  "$folder" "$count"

# Best wall-clock time in milliseconds of the command (its output goes away).
best_ms() {
  local best="" start end
  for _ in $(seq "$runs"); do
    start="$(date +%s%N)"
    "$@" >/dev/null 2>&1
    end="$(date +%s%N)"
    elapsed=$(((end - start) / 1000000))
    if [ -z "$best" ] || [ "$elapsed" -lt "$best" ]; then best="$elapsed"; fi
  done
  echo "$best"
}

one="$(best_ms "$native/katalog/katalog" "$folder" -o "$work/katalog-j1" -j 1)"
two="$(best_ms "$native/katalog/katalog" "$folder" -o "$work/katalog-j2" -j 2)"
awk -v n="$count" -v one="$one" -v two="$two" -v cores="$(nproc)" 'BEGIN {
  printf "katalog, %d scenarios with 2048 x 2048 pictures, %d cores:\n", n, cores
  printf "  one job:  %.0f ms, %.1f ms per scenario\n", one, one / n
  printf "  two jobs: %.0f ms, speed-up %.2f (target: at least 1.7 on two cores)\n", two, one / two
}'

exe="$root/build/win/katalog/katalog.exe"
if [ -f "$exe" ]; then
  windows_folder="Z:${folder//\//\\}"
  windows_out="Z:${work//\//\\}\\katalog-wine"
  wine_ms="$("$root/scripts/with-wine" bash -c "$(declare -f best_ms); runs=$runs; best_ms \
    '$root/scripts/wine-run' '$exe' '$windows_folder' -o '$windows_out' -j 2")"
  cmp -s "$work/katalog-j2/szenarien.json" "$work/katalog-wine/szenarien.json" &&
    cmp -s "$work/katalog-j2/index.html" "$work/katalog-wine/index.html" &&
    same="the same bytes" || same="OTHER BYTES"
  awk -v wine="$wine_ms" -v two="$two" -v same="$same" 'BEGIN {
    printf "  katalog.exe under Wine, two jobs: %.0f ms, %.2f times the Linux build; %s\n", wine, wine / two, same
  }'
else
  echo "  katalog.exe under Wine: not built (cmake --build --preset windows)"
fi
