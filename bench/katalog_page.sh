#!/usr/bin/env bash
# The catalogue's page of 10,000 scenarios (the samples under numbered names, as hard
# links) in headless Chromium: time until the first rows are on screen, until a search for
# a name shows it, from a keystroke in the search box until the list is updated, and the
# page's memory. katalog writes the catalogue; both the folder and the catalogue are kept
# between runs, so a later run only rebuilds an unchanged catalogue, which is cheap.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
native="$root/build/native"
work="$root/build/bench"
count="${SCENARIOS:-10000}"

cmake --preset native >/dev/null
cmake --build --preset native --target katalog >/dev/null
mkdir -p "$work"
/usr/bin/python3 "$root/bench/katalog_page.py" folder "$root/samples/Data/Scenarios" \
  "$work/seiten-szenarien-$count" "$count"
start=$(date +%s%N)
"$native/katalog/katalog" "$work/seiten-szenarien-$count" -o "$work/seiten-katalog-$count" \
  >/dev/null 2>&1
echo "katalog over $count scenarios: $(( ($(date +%s%N) - start) / 1000000 )) ms"
/usr/bin/python3 "$root/bench/katalog_page.py" measure "$work/seiten-katalog-$count" "${LOADS:-5}"
