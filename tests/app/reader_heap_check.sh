#!/usr/bin/env bash
# One reader scenario under Wine's heap checking, the reader it starts included: it
# must pass, and Wine must report no damaged or doubly freed heap block.
#   reader_heap_check.sh WINE_RUN TEST_EXE SCENARIO
set -uo pipefail
wine_run=$1 tests=$2 scenario=$3
log=$(mktemp)
trap 'rm -f "$log"' EXIT

WINEDEBUG=-all,+heap "$wine_run" "$tests" --gtest_filter="ReaderUser.$scenario" >"$log" 2>&1
status=$?
damage=$(grep -E 'err:heap|warn:heap' "$log" | head -n 3)
grep -E -A3 '^\[ +(OK|FAILED) +\]|Failure' "$log" | grep -v -E 'trace:heap|^ALSA'
if [ $status != 0 ] || [ -n "$damage" ]; then
  echo "reader_heap_check: $scenario ended with status $status"
  [ -n "$damage" ] && echo "$damage"
  exit 1
fi
echo "reader_heap_check: $scenario passed with the heap intact"
