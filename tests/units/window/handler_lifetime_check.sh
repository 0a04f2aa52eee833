#!/usr/bin/env bash
# Handlers that destroy their own window from inside an event, under Wine's heap
# checking: each run must end normally with exit code 0 after its exit routine,
# and Wine must report no damaged or doubly freed heap block.
# Usage: handler_lifetime_check.sh WINE-RUN WINDOW-PROGRAM WORK-DIR
set -uo pipefail
wine_run=$1 program=$2 work=$3
mkdir -p "$work"
scenarios=(destroy-on-close destroy-on-query destroy-on-activate destroy-on-first-activate destroy-on-focus
           destroy-on-unit-focus destroy-on-recreate destroy)
status=0
for scenario in "${scenarios[@]}"; do
  record="$work/$scenario.txt" log="$work/$scenario.log"
  rm -f "$record"
  WINEDEBUG=-all,+heap timeout 120 "$wine_run" "$program" "$scenario" "Z:${record//\//\\}" \
    2>"$log" >/dev/null
  code=$?
  damage=$(grep -E 'err:heap|warn:heap' "$log" | head -n 3)
  if [ $code != 0 ] || [ -n "$damage" ] || [ "$(tail -n 1 "$record" 2>/dev/null)" != exit ]; then
    echo "$scenario: exit code $code, record: $(tr '\n' ' ' <"$record" 2>/dev/null)"
    [ -n "$damage" ] && echo "$damage"
    status=1
  fi
done
[ $status = 0 ] && echo "${#scenarios[@]} self-destroying handlers ended cleanly under heap checking"
exit $status
