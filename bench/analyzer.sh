#!/usr/bin/env bash
# The analyzer on two large generated scenarios against the floor: reading the
# same file, inflating the same chunks with zlib alone and writing as many
# report bytes in one piece. "inflate" is a state of mostly text that the
# report steps over; "format" a state of tens of thousands of cities, orders
# and requests whose report is half its size. Prints the best of RUNS
# wall-clock times of each, their ratio, and the peak memory of both.
# ANALYZER names another analyzer program to measure.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
runs="${RUNS:-7}"
native="$root/build/native"
out="$root/build/bench"
analyzer="${ANALYZER:-$native/analyzer/analyzer}"

cmake --preset native >/dev/null
cmake --build --preset native --target analyzer make_bench_scenario bench_floor >/dev/null
mkdir -p "$out"

# Best wall-clock time of the command in microseconds; the file is in the page
# cache after the first run, for both programs alike.
best_us() {
  local best="" start end elapsed
  for _ in $(seq "$runs"); do
    start="$(date +%s%N)"
    "$@" >/dev/null
    end="$(date +%s%N)"
    elapsed=$(((end - start) / 1000))
    if [ -z "$best" ] || [ "$elapsed" -lt "$best" ]; then best="$elapsed"; fi
  done
  echo "$best"
}

# Peak resident memory of the command in kB.
peak_kb() {
  /usr/bin/time -f %M "$@" 2>&1 >/dev/null | tail -n 1
}

for shape in inflate format; do
  scenario="$out/$shape.scn"
  [ -f "$scenario" ] && [ "$scenario" -nt "$native/bench/make_bench_scenario" ] ||
    "$native/bench/make_bench_scenario" "$shape" "$scenario"
  "$analyzer" "$scenario" >"$out/$shape.report"
  report_bytes="$(stat -c %s "$out/$shape.report")"
  floor=("$native/bench/bench_floor" "$scenario" "$scenario.chunks" "$report_bytes")

  analyzer_us="$(best_us "$analyzer" "$scenario")"
  floor_us="$(best_us "${floor[@]}")"
  awk -v shape="$shape" -v a="$analyzer_us" -v f="$floor_us" -v size="$(stat -c %s "$scenario")" \
    -v report="$report_bytes" -v am="$(peak_kb "$analyzer" "$scenario")" \
    -v fm="$(peak_kb "${floor[@]}")" 'BEGIN {
    printf "%s-heavy scenario: %.1f MB file, %.1f MB report\n", shape, size / 1e6, report / 1e6
    printf "  analyzer: %.1f ms (best of runs), peak %.1f MB\n", a / 1000, am / 1000
    printf "  floor:    %.1f ms (read, inflate with zlib alone, one write), peak %.1f MB\n", f / 1000, fm / 1000
    printf "  ratio:    %.2f (target: at most 1.2)\n", a / f
  }'
done
