#!/usr/bin/env bash
# The analyzer on a large generated scenario against the floor: reading the
# same file, inflating the same chunks with zlib alone and writing as many
# report bytes in one piece. Prints the best of RUNS wall-clock times of each
# and their ratio.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
runs="${RUNS:-7}"
native="$root/build/native"
out="$root/build/bench"

cmake --preset native >/dev/null
cmake --build --preset native --target analyzer make_bench_scenario bench_floor >/dev/null
mkdir -p "$out"
scenario="$out/large.scn"
[ -f "$scenario" ] && [ "$scenario" -nt "$native/bench/make_bench_scenario" ] ||
  "$native/bench/make_bench_scenario" "$scenario"

"$native/analyzer/analyzer" "$scenario" >"$out/large.report"
report_bytes="$(stat -c %s "$out/large.report")"

# Best wall-clock time of the command in milliseconds; the file is in the page
# cache after the first run, for both programs alike.
best_ms() {
  local best="" start end elapsed
  for _ in $(seq "$runs"); do
    start="$(date +%s%N)"
    "$@" >/dev/null
    end="$(date +%s%N)"
    elapsed=$(( (end - start) / 1000 ))
    if [ -z "$best" ] || [ "$elapsed" -lt "$best" ]; then best="$elapsed"; fi
  done
  echo "$best"
}

analyzer_us="$(best_ms "$native/analyzer/analyzer" "$scenario")"
floor_us="$(best_ms "$native/bench/bench_floor" "$scenario" "$scenario.chunks" "$report_bytes")"

awk -v a="$analyzer_us" -v f="$floor_us" -v size="$(stat -c %s "$scenario")" -v report="$report_bytes" 'BEGIN {
  printf "scenario: %.1f MB file, %.1f MB report\n", size / 1e6, report / 1e6
  printf "analyzer: %.1f ms (best of runs)\n", a / 1000
  printf "floor:    %.1f ms (read, inflate with zlib alone, one write)\n", f / 1000
  printf "ratio:    %.2f (target: at most 1.5)\n", a / f
}'
