#!/usr/bin/env bash
# The layering check on a copy of the tree: it passes as the tree is, and fails,
# naming the file, once a forbidden include is added on each kind of edge.
set -uo pipefail
source_tree=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
check="$source_tree/scripts/check-layers"

copy() {
  rm -rf "$work/tree" && mkdir -p "$work/tree"
  for folder in contract runtime units commands speech app tools tests; do
    [ -d "$source_tree/$folder" ] && cp -r "$source_tree/$folder" "$work/tree/"
  done
}

copy
"$check" "$work/tree" >/dev/null || { echo "the tree itself fails the check"; exit 1; }

# file that gets the include | the include it may not have
edges=(
  "runtime/property_access.cpp|units/window/window_unit.h"
  "runtime/window_loader.cpp|app/reader_window.h"
  "units/window/window_unit.cpp|runtime/runtime_state.h"
  "contract/values.cpp|runtime/framework/gbk.h"
  "speech/speech_unit.cpp|units/unit_base/unit_events.h"
  "tests/runtime/heap_test.cpp|app/reader_program.h"
)
status=0
for edge in "${edges[@]}"; do
  file=${edge%%|*} included=${edge#*|}
  copy
  printf '#include "%s"\n' "$included" >>"$work/tree/$file"
  if output=$("$check" "$work/tree" 2>&1); then
    echo "not caught: $file including $included"
    status=1
  elif ! grep -q "$file includes \"$included\"" <<<"$output"; then
    echo "caught without naming the file: $output"
    status=1
  fi
done
[ $status = 0 ] && echo "every forbidden edge was caught"
exit $status
