#!/usr/bin/env bash
# The first build of the catalogue of 400 scenarios with 2048 by 2048 map pictures (made once by
# make_katalog_bench.py and kept in build/bench/) against Pillow doing the same picture work
# (pillow_pictures.py: decode, scale to 1024 and 256, save both as PNG): katalog with one job
# against one Pillow process, and with two jobs against two processes that share the pictures;
# the bytes of the map pictures of both; katalog.exe under Wine against the Linux build on the
# same folder. Every timed run starts without its output folder, since katalog keeps the parts
# of an older catalogue. The four programs take turns, RUNS times, so that a busy machine slows
# them alike; the fastest run and the median are shown.
set -euo pipefail
source "$(dirname "$0")/common/katalog_folder.sh"
katalog=("$native/katalog/katalog" "$folder")
pillow=(/usr/bin/python3 "$root/bench/pillow_pictures.py" "$folder")

# Wall-clock milliseconds of the command, started after its output folder OUT is removed.
elapsed_ms() {
  local out="$1" start end
  shift
  rm -rf "$out"
  start="$(date +%s%N)"
  "$@" >/dev/null 2>&1
  end="$(date +%s%N)"
  echo $(((end - start) / 1000000))
}

pillow_two() {
  "${pillow[@]}" "$work/pillow-j2" 0 2 &
  "${pillow[@]}" "$work/pillow-j2" 1 2
  wait
}

# "FASTEST MEDIAN" of the numbers on standard input.
fastest_and_median() {
  sort -n | awk '{ v[NR] = $1 } END {
    printf "%d %d", v[1], NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

declare -a one two pillow_one pillow_two
for _ in $(seq "$runs"); do
  one+=("$(elapsed_ms "$work/katalog-j1" "${katalog[@]}" -o "$work/katalog-j1" -j 1)")
  pillow_one+=("$(elapsed_ms "$work/pillow-j1" "${pillow[@]}" "$work/pillow-j1")")
  two+=("$(elapsed_ms "$work/katalog-j2" "${katalog[@]}" -o "$work/katalog-j2" -j 2)")
  pillow_two+=("$(elapsed_ms "$work/pillow-j2" pillow_two)")
done
summarised() { printf "%s\n" "$@" | fastest_and_median; }

# "TOTAL DETAIL THUMBNAIL": the bytes of the folder's PNG files, and per picture of each kind.
picture_bytes() {
  find "$1" -name '*.png' -printf '%f %s\n' | awk '
    { total += $2; if ($1 ~ /-klein\.png$/) { small += $2; n++ } else { large += $2; m++ } }
    END { printf "%d %d %d", total, m ? large / m : 0, n ? small / n : 0 }'
}

awk -v n="$count" -v cores="$(nproc)" -v runs="$runs" \
  -v one="$(summarised "${one[@]}")" -v two="$(summarised "${two[@]}")" \
  -v p1="$(summarised "${pillow_one[@]}")" -v p2="$(summarised "${pillow_two[@]}")" \
  -v ours="$(picture_bytes "$work/katalog-j1/karten")" \
  -v theirs="$(picture_bytes "$work/pillow-j1")" 'BEGIN {
  split(one, o); split(two, t); split(p1, q); split(p2, r); split(ours, a); split(theirs, b)
  printf "katalog, first build of %d scenarios with 2048 x 2048 pictures, %d cores, %d runs (fastest, median):\n", n, cores, runs
  printf "  one job:   %6.0f ms, %5.0f ms; %.1f ms per scenario\n", o[1], o[2], o[1] / n
  printf "  Pillow:    %6.0f ms, %5.0f ms; %.1f ms per picture\n", q[1], q[2], q[1] / n
  printf "  katalog takes %.2f of the time of Pillow (fastest runs), %.2f (medians); target: at most 0.2\n", o[1] / q[1], o[2] / q[2]
  printf "  two jobs:  %6.0f ms, %5.0f ms; speed-up %.2f (target: at least 1.7 on two cores)\n", t[1], t[2], o[1] / t[1]
  printf "  Pillow in two processes: %.0f ms, %.0f ms; katalog with two jobs takes %.2f of it (fastest), %.2f (medians)\n", r[1], r[2], t[1] / r[1], t[2] / r[2]
  printf "  karten/: %.2f MB, %d bytes per detail picture, %d per thumbnail; Pillow %.2f MB, %d and %d\n", a[1] / 1e6, a[2], a[3], b[1] / 1e6, b[2], b[3]
}'

exe="$root/build/win/katalog/katalog.exe"
if [ -f "$exe" ]; then
  # From the same sources as the Linux build, whose digest is part of every key.
  cmake --build --preset windows --target katalog >/dev/null
  windows_folder="Z:${folder//\//\\}"
  windows_out="Z:${work//\//\\}\\katalog-wine"
  wine_ms="$("$root/scripts/with-wine" bash -c "$(declare -f elapsed_ms); elapsed_ms \
    '$work/katalog-wine' '$root/scripts/wine-run' '$exe' '$windows_folder' -o '$windows_out' -j 2")"
  cmp -s "$work/katalog-j2/szenarien.json" "$work/katalog-wine/szenarien.json" &&
    cmp -s "$work/katalog-j2/index.html" "$work/katalog-wine/index.html" &&
    diff -rq "$work/katalog-j2/karten" "$work/katalog-wine/karten" >/dev/null &&
    same="the same bytes" || same="OTHER BYTES"
  fastest_two="$(summarised "${two[@]}" | cut -d' ' -f1)"
  awk -v wine="$wine_ms" -v two="$fastest_two" -v same="$same" 'BEGIN {
    printf "  katalog.exe under Wine, two jobs: %.0f ms, %.2f times the Linux build; %s\n", wine, wine / two, same
  }'
else
  echo "  katalog.exe under Wine: not built (cmake --build --preset windows)"
fi
