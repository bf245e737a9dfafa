#!/usr/bin/env bash
# The catalogue's page of 400 scenarios (katalog's own output for the benchmark's folder of
# generated scenarios, see katalog.sh) in headless Chromium: time until every row is shown,
# and from a keystroke in the search box until the table is updated.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
native="$root/build/native"
work="$root/build/bench"

cmake --preset native >/dev/null
cmake --build --preset native --target katalog make_test_scenarios >/dev/null
mkdir -p "$work"
/usr/bin/python3 "$root/bench/make_katalog_bench.py" "$native/katalog/tests/make_test_scenarios" \
  "$work/katalog-szenarien" 400
"$native/katalog/katalog" "$work/katalog-szenarien" -o "$work/katalog400" >/dev/null 2>&1
/usr/bin/python3 "$root/bench/katalog_page.py" "$work/katalog400" "${LOADS:-5}"
