#!/usr/bin/env bash
# analyzer.exe under Wine on the two large generated scenarios of analyzer.sh,
# its report written three ways, best of RUNS wall-clock times each:
#   file:         standard output redirected to a file;
#   unix pipe:    into `cat`, a pipe of the host system;
#   windows pipe: started by the lister's own runner (lister/win32/process_runner),
#                 hidden, both outputs through Windows pipes, as the lister runs
#                 it; timed inside the runner, from the start to the end of the run.
# The first two include Wine's start of a process, which "start-up" (-v) shows.
# ANALYZER_EXE names another analyzer.exe to measure, to compare before and after.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
runs="${RUNS:-5}"
out="$root/build/bench"
win="$root/build/win"
analyzer="${ANALYZER_EXE:-$win/analyzer/analyzer.exe}"

cmake --preset native >/dev/null
cmake --build --preset native --target make_bench_scenario >/dev/null
cmake --preset windows >/dev/null
cmake --build --preset windows --target analyzer analyzer_pipe_run >/dev/null
mkdir -p "$out"
for shape in inflate format; do
  scenario="$out/$shape.scn"
  [ -f "$scenario" ] && [ "$scenario" -nt "$root/build/native/bench/make_bench_scenario" ] ||
    "$root/build/native/bench/make_bench_scenario" "$shape" "$scenario"
done

export root analyzer out runs win
"$root/scripts/with-wine" bash -c '
set -euo pipefail
run="$root/scripts/wine-run"
# elapsed_ms OUTPUT COMMAND...: the wall-clock time of the command, its output into OUTPUT.
elapsed_ms() {
  local output="$1" start end
  shift
  start="$(date +%s%N)"
  "$@" >"$output"
  end="$(date +%s%N)"
  echo $(((end - start) / 1000000))
}
best() {
  sort -n | head -n 1
}
startup="$(for _ in $(seq "$runs"); do elapsed_ms /dev/null "$run" "$analyzer" -v; done | best)"
echo "start-up (-v): $startup ms"
for shape in inflate format; do
  scenario="$out/$shape.scn"
  report="$out/$shape.pipe-report"
  "$run" "$analyzer" "$scenario" >"$report"
  file_ms="$(for _ in $(seq "$runs"); do
    elapsed_ms "$report" "$run" "$analyzer" "$scenario"; done | best)"
  unix_ms="$(for _ in $(seq "$runs"); do
    elapsed_ms /dev/null bash -c "\"\$0\" \"\$1\" \"\$2\" | cat >/dev/null" "$run" "$analyzer" "$scenario"
  done | best)"
  windows_ms="$(for _ in $(seq "$runs"); do
    "$run" "$win/bench/analyzer_pipe_run.exe" "$(winepath -w "$analyzer")" \
      "$(winepath -w "$scenario")" | tr -d "\r" | awk "{ print \$3 }"; done | best)"
  printf "%s-heavy scenario, %.1f MB report: file %d ms, unix pipe %d ms, windows pipe %d ms\n" \
    "$shape" "$(stat -c %s "$report" | awk "{ print \$1 / 1e6 }")" "$file_ms" "$unix_ms" "$windows_ms"
done
'
