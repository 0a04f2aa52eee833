#!/usr/bin/env bash
# Two speech objects on two voices rendering at once (two-voices.exe, the built-in
# engine under Wine): the time against the same two renderings one after the other
# and against both on one voice, the best of seven runs each, and the voice loads.
# Aim: two voices at once take at most 1.3x the time of the same work one after the
# other; a missed aim ends with status 2, a failed run with status 1.
#   bench/two_voices.sh [BUILD_DIR]
# BUILD_DIR defaults to build/win, the 32-bit product, where this machine can run
# 32-bit code, else build/win64.
set -euo pipefail

top=$(cd "$(dirname "$0")/.." && pwd)
default=$top/build/win
"$top/scripts/can-run-32bit" || default=$top/build/win64
build=${1:-$default}
program=$build/bench/two-voices.exe
[ -f "$program" ] || { echo "two_voices: build two-voices first: $program" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$top/scripts/wine-run" "$program" 7 "Z:${work//\//\\}" | tee "$work/report.txt"
ratio=$(awk '/one after the other:/ {sub("x", "", $NF); print $NF}' "$work/report.txt")
[ -n "$ratio" ] || { echo "two_voices: no ratio in the report" >&2; exit 1; }
if awk -v r="$ratio" 'BEGIN { exit !(r <= 1.3) }'; then
  echo "aim: at most 1.3x, meets"
else
  echo "aim: at most 1.3x, misses"
  exit 2
fi
