#!/usr/bin/env bash
# check_generated.sh MAKE_SCENARIOS: regenerates the sample scenarios, the
# analyzer's test cases and its fuzz seeds, and compares them with the
# committed files byte for byte.
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
fresh="$(mktemp -d)"
trap 'rm -rf "$fresh"' EXIT
"$1" "$fresh"
status=0
for dir in samples/Data/Scenarios analyzer/tests/cases analyzer/fuzz/corpus/fuzz_analyzer_walk analyzer/fuzz/corpus/fuzz_analyzer_chunks; do
  while IFS= read -r -d '' file; do
    name="${file#"$fresh"/}"
    if ! cmp -s "$file" "$root/$name"; then
      echo "differs from the generator's output: $name"
      status=1
    fi
  done < <(find "$fresh/$dir" -type f -print0)
done
exit $status
