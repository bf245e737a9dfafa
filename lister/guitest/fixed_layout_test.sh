#!/usr/bin/env bash
# fixed_layout_test.sh GUIDRIVER_EXE: a Wine process started in the test session has its program
# break right after the loader's end, not somewhere within the GiB above it, where it now and
# then took the address of Wine's shared user data and the process could not start.
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
# The driver waits for commands on its input: it lives until that closes.
exec 3> >(exec "$root/scripts/wine-run" "$1" >/dev/null 2>&1)
maps=""
for _ in $(seq 1 600); do
  for pid in $(pgrep -f 'guidriver\.exe' || true); do
    maps="$(cat "/proc/$pid/maps" 2>/dev/null || true)"
    grep -q '/wine64$' <<<"$maps" && grep -q '\[heap\]' <<<"$maps" && break 2
  done
  maps=""
  sleep 0.1
done
exec 3>&-
[ -n "$maps" ] || { echo "the driver did not start under Wine"; exit 1; }
heap="$(grep -m1 '\[heap\]' <<<"$maps" | cut -d- -f1)"
loader_end="$(grep '/wine64$' <<<"$maps" | tail -n1 | cut -d' ' -f1 | cut -d- -f2)"
echo "program break from 0x$heap, the loader ends at 0x$loader_end"
(( 0x$heap - 0x$loader_end < 0x100000 ))
