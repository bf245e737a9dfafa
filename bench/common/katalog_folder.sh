# Sourced by the catalogue's benchmarks: the native build of katalog and the folder of 400
# scenarios with 2048 by 2048 map pictures, made once by make_katalog_bench.py and kept in
# build/bench/.
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
runs="${RUNS:-3}"
count=400
native="$root/build/native"
work="$root/build/bench"
folder="$work/katalog-szenarien"

cmake --preset native >/dev/null
cmake --build --preset native --target katalog make_test_scenarios >/dev/null
mkdir -p "$work"
/usr/bin/python3 "$root/bench/make_katalog_bench.py" "$native/katalog/tests/make_test_scenarios" \
  "$folder" "$count"
