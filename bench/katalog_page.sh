#!/usr/bin/env bash
# The catalogue's page with 400 scenarios (the page test's fixture repeated under new
# names) in headless Chromium: time until every row is shown, and from a keystroke in the
# search box until the table is updated.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
work="$root/build/bench"
tests="$root/katalog/page/tests"

/usr/bin/python3 "$tests/make_fixture.py" --scenarios 400 --resources "$work/katalog-quellen" \
  "$tests/fixture/szenarien.json" "$work/katalog400"
/usr/bin/python3 "$root/bench/katalog_page.py" "$work/katalog400" "${LOADS:-5}"
