#!/usr/bin/env bash
# Start-up time to a visible window and working set one second later: the release
# folder's voxlet.exe against bare-reader.exe (the same window and controls on bare
# Win32), started in turns by start-driver.exe under one warm Wine. Prints both
# medians, the start-up ratio (aim: at most 1.3x) and the working-set difference
# (aim: at most +10 MB).
#   bench/startup.sh [BUILD_DIR] [RUNS]
# BUILD_DIR defaults to build/win, the 32-bit product, where this machine can run
# 32-bit code, else build/win64; RUNS (starts of each program) to 9.
set -euo pipefail

top=$(cd "$(dirname "$0")/.." && pwd)
default=$top/build/win
"$top/scripts/can-run-32bit" || default=$top/build/win64
build=$(cd "${1:-$default}" && pwd)
runs=${2:-9}
for program in release/voxlet.exe bench/bare-reader.exe bench/start-driver.exe; do
  [ -f "$build/$program" ] || { echo "startup: no $build/$program; build it first" >&2; exit 1; }
done

echo "startup: $build, $runs starts of each program; load average $(cut -d" " -f1-3 /proc/loadavg) on $(nproc) cores"
cd "$build"
"$top/scripts/wine-run" bench/start-driver.exe "$runs" release/voxlet.exe bench/bare-reader.exe || {
  status=$?
  echo "startup: start-driver failed with exit code $status" >&2
  exit $status
}
