#!/usr/bin/env bash
# same_bytes_test.sh KATALOG_EXE NATIVE_BUILD WORK: katalog.exe under Wine and
# the Linux build's katalog write the same szenarien.json and index.html for
# the same folder (without the names Windows does not allow). Exit 77 (skip)
# when the Linux build is not there.
set -euo pipefail
exe="$1" native="$2" work="$3"
root="$(cd "$(dirname "$0")/../.." && pwd)"
katalog="$native/katalog/katalog"
make_scenarios="$native/katalog/tests/make_test_scenarios"
if [ ! -x "$katalog" ] || [ ! -x "$make_scenarios" ]; then
  echo "no Linux build of katalog in $native"
  exit 77
fi
rm -rf "$work" && mkdir -p "$work"
/usr/bin/python3 "$root/katalog/tests/make_test_folder.py" --portable "$make_scenarios" "$work/Szenarien"
"$katalog" "$work/Szenarien" -o "$work/linux" >/dev/null
"$root/scripts/wine-run" "$exe" "Z:${work//\//\\}\\Szenarien" -o "Z:${work//\//\\}\\windows" >/dev/null
for file in szenarien.json index.html; do
  cmp "$work/linux/$file" "$work/windows/$file"
done
echo "same bytes: $(stat -c %s "$work/linux/szenarien.json") bytes of data, $(ls "$work/linux/karten" | wc -l) map pictures"
