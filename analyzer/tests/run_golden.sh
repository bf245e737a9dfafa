#!/usr/bin/env bash
# run_golden.sh MODE ANALYZER: runs the analyzer on every case of golden/cases.tsv
# and compares standard output, standard error and the exit status with the
# golden files. MODE is "native", "sanitized" (a native build with sanitizers,
# which reserve more address space than any limit allows), "wine" (analyzer.exe
# through scripts/wine-run; every line must end in CR LF there) or "update"
# (rewrites the golden files from a native run, for review).
#
# A case is one line: name, exit status, working folder (from the repository
# root; @WORK@ is a scratch folder with files whose names hold pattern
# characters), then the arguments, all separated by tabs. In the golden files
# @PROGRAM@ stands for the program name as the analyzer sees it.
#
# The cases in bounded_cases declare payloads of hundreds of MB that they do
# not hold; in native mode they run with the address space limited to a size
# that the declared payloads would not fit in, so a run that allocated them
# would print "Could not malloc" and fail its golden files.
set -uo pipefail
mode="$1"
analyzer="$(realpath "$2")"
here="$(cd "$(dirname "$0")" && pwd)"
root="$(cd "$here/../.." && pwd)"
golden="$here/golden"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
scenarios="$root/samples/Data/Scenarios"
cp "$scenarios/Legatus.scn" "$work/x[1].scn"
cp "$scenarios/Nova Roma.scn" "$work/x1.scn"
# Names beyond any one code page, beside a name they could be mistaken for.
cp "$scenarios/Tiberis.scn" "$work/Gdańsk.scn"
cp "$scenarios/Nova Roma.scn" "$work/Gdansk.scn"
cp "$scenarios/Legatus.scn" "$work/Roma 🏛.scn"

run=("$analyzer")
program="$analyzer"
crlf=0
if [ "$mode" = wine ]; then
  # Wine takes the arguments in the locale's encoding.
  export LC_ALL=C.UTF-8
  run=("$root/scripts/wine-run" "$analyzer")
  program="Z:${analyzer//\//\\}"
  crlf=1
fi

# The golden text as this build must print it.
expect() {
  PROGRAM="$program" CRLF="$crlf" perl -pe 's/\@PROGRAM\@/$ENV{PROGRAM}/g; s/\n/\r\n/ if $ENV{CRLF}' "$1"
}

bounded_cases=" zero_filled_chunks hostile_megabyte "
bounded_kib=65536

failures=0
count=0
while IFS=$'\t' read -r -a fields; do
  [ ${#fields[@]} -ge 3 ] || continue
  name="${fields[0]}"
  status="${fields[1]}"
  dir="${fields[2]//@WORK@/$work}"
  [ "${dir:0:1}" = / ] || dir="$root/$dir"
  args=("${fields[@]:3}")
  count=$((count + 1))
  limit=""
  [ "$mode" = native ] && [[ "$bounded_cases" == *" $name "* ]] && limit=$bounded_kib
  (cd "$dir" && { [ -z "$limit" ] || ulimit -v "$limit"; } && "${run[@]}" "${args[@]}") \
    >"$work/out" 2>"$work/err"
  actual=$?
  if [ "$mode" = update ]; then
    PROGRAM="$program" perl -pe 's/\Q$ENV{PROGRAM}\E/\@PROGRAM\@/g' "$work/out" >"$golden/$name.out"
    PROGRAM="$program" perl -pe 's/\Q$ENV{PROGRAM}\E/\@PROGRAM\@/g' "$work/err" >"$golden/$name.err"
    [ "$actual" = "$status" ] || echo "note: $name exits with $actual, cases.tsv says $status"
    continue
  fi
  problems=()
  [ "$actual" = "$status" ] || problems+=("exit status $actual, expected $status")
  cmp -s <(expect "$golden/$name.out") "$work/out" || problems+=("standard output differs")
  cmp -s <(expect "$golden/$name.err") "$work/err" || problems+=("standard error differs")
  # A run that fails, with both outputs in one file: the report so far comes
  # before the error line.
  if [ "$status" != 0 ]; then
    (cd "$dir" && { [ -z "$limit" ] || ulimit -v "$limit"; } && "${run[@]}" "${args[@]}") \
      >"$work/both" 2>&1
    cmp -s <(expect "$golden/$name.out"; expect "$golden/$name.err") "$work/both" ||
      problems+=("the error line comes before the end of the report in one file")
  fi
  if [ ${#problems[@]} -gt 0 ]; then
    failures=$((failures + 1))
    echo "FAIL $name: ${problems[*]}"
    diff <(expect "$golden/$name.out") "$work/out" | head -20
    diff <(expect "$golden/$name.err") "$work/err" | head -5
  fi
done <"$golden/cases.tsv"

echo "$count cases, $failures failed"
[ "$count" -gt 0 ] && [ "$failures" -eq 0 ]
