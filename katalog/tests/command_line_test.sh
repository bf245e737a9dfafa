#!/usr/bin/env bash
# command_line_test.sh KATALOG SCENARIO_FOLDER WORK: the command line's exit
# statuses, its messages and what it prints.
set -uo pipefail
katalog="$1" folder="$2" work="$3"
rm -rf "$work" && mkdir -p "$work" && cd "$work" || exit 1
failures=0
expect() {  # expect STATUS TEXT_IN_STDERR -- ARGS...
  local status="$1" text="$2"
  shift 3
  "$katalog" "$@" >out.txt 2>err.txt
  local got=$?
  if [ "$got" != "$status" ] || ! grep -qF -- "$text" err.txt; then
    echo "FAIL: katalog $* gave $got (expected $status) and:"
    cat err.txt
    failures=$((failures + 1))
  fi
}

usage="Aufruf: katalog [SZENARIENORDNER] [-o AUSGABEORDNER] [-j JOBS]"
expect 2 "$usage" --
expect 2 '-j erwartet eine Zahl von 1 bis 32, nicht "0".' -- "$folder" -j 0
expect 2 '-j erwartet eine Zahl von 1 bis 32, nicht "999".' -- "$folder" -j 999
expect 2 "Der Option -j fehlt ihr Wert." -- "$folder" -j
expect 2 "Unbekannte Option: -x" -- "$folder" -x
expect 2 "Die Option -o ist mehr als einmal angegeben." -- "$folder" -o a -o b
expect 2 "ist einer zu viel." -- "$folder" "$folder"
expect 1 "Der Szenarienordner fehlt kann nicht gelesen werden: der Ordner fehlt." -- fehlt
mkdir Briefe && echo "Liebe Mutter" >Briefe/brief.txt
expect 1 "Briefe ist kein Katalogordner (es fehlt katalog-inhalt.json) und wird nicht verändert." \
  -- "$folder" -o Briefe

# Without -o the catalogue goes to ./szenarienkatalog; damaged scenarios are
# named on standard error and the catalogue is written all the same.
expect 0 "Ohne Bild.scn: Dateifehler: Es konnte keine Bilddatei gefunden werden!(Ohne Bild_Color.dds)." \
  -- "$folder" -j 2
grep -qE "^[0-9]+ Szenarien, davon [0-9]+ beschädigt, in [0-9]+,[0-9] s; [0-9]+,[0-9] MB in szenarienkatalog$" err.txt ||
  { echo "FAIL: no summary line"; cat err.txt; failures=$((failures + 1)); }
[ "$(cat out.txt)" = "szenarienkatalog/index.html" ] && [ -f szenarienkatalog/szenarien.json ] ||
  { echo "FAIL: the page's path on standard output"; cat out.txt; failures=$((failures + 1)); }
# --help explains every option, on standard output.
"$katalog" --help >out.txt 2>err.txt && grep -qF "$usage" out.txt && grep -qF -- "-j JOBS " out.txt &&
  grep -qF "1 bis 32" out.txt && [ ! -s err.txt ] ||
  { echo "FAIL: --help"; cat out.txt err.txt; failures=$((failures + 1)); }
# Control characters of a file name never reach the terminal.
mkdir Glocke && cp "$folder/Tiberis.xml" "$(printf 'Glocke/Kling\a\033[31m.scn')"
"$katalog" Glocke -o Glockenkatalog >/dev/null 2>err.txt
grep -qF 'Kling\x07\x1B[31m.scn' err.txt && ! grep -q "$(printf '[\a\033]')" err.txt ||
  { echo "FAIL: a control character reached standard error"; cat -v err.txt; failures=$((failures + 1)); }
# No progress line when standard error is no terminal.
! grep -q "Szenarien$" <(head -n 1 err.txt | grep -v ":") ||
  { echo "FAIL: a progress line into a file"; failures=$((failures + 1)); }
exit $((failures > 0))
