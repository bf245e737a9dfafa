#!/usr/bin/env bash
# A rebuild of an unchanged folder of 400 scenarios with 2048 by 2048 map pictures against
# its first build, two jobs (target: at most 5 %): the first build starts from no catalogue,
# the rebuild finds it and keeps every scenario's parts. RUNS runs of each, the best counts.
set -euo pipefail
source "$(dirname "$0")/common/katalog_folder.sh"
out="$work/katalog-neubau"

elapsed_ms() {
  local start end
  start="$(date +%s%N)"
  "$@" >/dev/null 2>&1
  end="$(date +%s%N)"
  echo $(((end - start) / 1000000))
}

first="" again=""
for _ in $(seq "$runs"); do
  rm -rf "$out"
  ms="$(elapsed_ms "$native/katalog/katalog" "$folder" -o "$out" -j 2)"
  if [ -z "$first" ] || [ "$ms" -lt "$first" ]; then first="$ms"; fi
  ms="$(elapsed_ms "$native/katalog/katalog" "$folder" -o "$out" -j 2)"
  if [ -z "$again" ] || [ "$ms" -lt "$again" ]; then again="$ms"; fi
done
awk -v n="$count" -v first="$first" -v again="$again" 'BEGIN {
  printf "katalog, rebuild of %d unchanged scenarios, two jobs:\n", n
  printf "  first build: %.0f ms; rebuild: %.0f ms, %.1f %% of the first (target: at most 5 %%)\n",
         first, again, 100 * again / first
}'
