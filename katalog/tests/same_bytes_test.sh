#!/usr/bin/env bash
# same_bytes_test.sh KATALOG_EXE NATIVE_BUILD WORK: katalog.exe under Wine and
# the Linux build's katalog write the same szenarien.json, page files
# (index.html, the fonts file, the data parts and the search file in daten/)
# and map pictures for the same folder (without the names Windows does not
# allow), and katalog.exe without arguments finds the game through the
# registry and writes to the local application data. Exit 77 (skip) when the
# Linux build is not there.
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
scenarios="$work/Spiel/Data/Scenarios"
/usr/bin/python3 "$root/katalog/tests/make_test_folder.py" --portable "$make_scenarios" "$scenarios"
"$katalog" "$scenarios" -o "$work/linux" >/dev/null
same_as_linux() {
  for file in szenarien.json index.html bilder/schriften.js; do
    cmp "$work/linux/$file" "$work/windows/$file"
  done
  diff -r "$work/linux/daten" "$work/windows/daten"
  diff -r -x Verweis "$work/linux/karten" "$work/windows/karten"
}
windows_work="Z:${work//\//\\}"
"$root/scripts/wine-run" "$exe" "$windows_work\\Spiel\\Data\\Scenarios" -o "$windows_work\\windows" >/dev/null
same_as_linux

# A rebuild under Windows: the player's file and links in the catalogue (Unix links stand in
# for junctions) stay as they are, nothing the links point to is touched, and the rest is
# what the Linux build writes.
mkdir -p "$work/Briefe" && echo "Liebe Mutter" >"$work/Briefe/an Mutter.txt"
echo "Tiberis, Legatus" >"$work/windows/gespielt.txt"
ln -s "$work/Briefe" "$work/windows/Verweis"
ln -s "$work/Briefe" "$work/windows/karten/Verweis"
"$root/scripts/wine-run" "$exe" "$windows_work\\Spiel\\Data\\Scenarios" -o "$windows_work\\windows" \
  >/dev/null 2>"$work/rebuild.err"
grep -qF "Nicht vom Katalog geschrieben, bleibt unberührt: Verweis, gespielt.txt, karten/Verweis" \
  "$work/rebuild.err" || { cat "$work/rebuild.err"; exit 1; }
[ "$(ls "$work/Briefe")" = "an Mutter.txt" ] && [ -L "$work/windows/karten/Verweis" ] &&
  [ "$(cat "$work/windows/gespielt.txt")" = "Tiberis, Legatus" ] ||
  { echo "the rebuild touched what it did not write"; exit 1; }
same_as_linux
# A picture of the catalogue replaced by a link to a file, then no longer needed: the link
# goes, the file it points to stays (Wine, asked to remove the link, removes its file).
echo "Liebe Mutter" >"$work/Brief.txt"
picture="$(grep -o '"file":"Tiberis.scn","key":"[0-9a-f]*","damage":null,"thumbnail":{"path":"karten/[0-9a-f]*-klein\.png' \
  "$work/windows/szenarien.json" | grep -o 'karten/.*')"
rm "$work/windows/$picture" && ln -s "$work/Brief.txt" "$work/windows/$picture"
cp "$scenarios/Tiberis.cs" "$work/Tiberis.cs"
echo "// geändert" >>"$scenarios/Tiberis.cs"
"$root/scripts/wine-run" "$exe" "$windows_work\\Spiel\\Data\\Scenarios" -o "$windows_work\\windows" \
  >/dev/null 2>&1
mv "$work/Tiberis.cs" "$scenarios/Tiberis.cs"
[ "$(cat "$work/Brief.txt")" = "Liebe Mutter" ] && [ ! -e "$work/windows/$picture" ] &&
  [ ! -L "$work/windows/$picture" ] || { echo "the link's file was touched or the link stays"; exit 1; }

# Without arguments: the game's folder from the registry, as the lister finds it.
key='HKLM\SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall\{5D0A61F3-2B7E-4B8A-9E17-3F2B6D8D4A90}'
"$root/scripts/wine-run" reg add "$key" /v InstallLocation /t REG_SZ /d "$windows_work\\Spiel" /f /reg:32 >/dev/null 2>&1
page="$("$root/scripts/wine-run" "$exe" 2>/dev/null | tr -d '\r')"
"$root/scripts/wine-run" reg delete "$key" /v InstallLocation /f /reg:32 >/dev/null 2>&1
case "$page" in
  *'\AppData\Local\Valdorum Szenarienkatalog\index.html') ;;
  *) echo "katalog.exe without arguments wrote to: $page"; exit 1 ;;
esac
cmp "$work/linux/szenarien.json" "$("$root/scripts/wine-run" winepath -u "${page%index.html}szenarien.json" 2>/dev/null)"
echo "same bytes: $(stat -c %s "$work/linux/szenarien.json") bytes of data, $(ls "$work/linux/karten" | wc -l) map pictures"
