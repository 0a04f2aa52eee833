#!/usr/bin/env bash
# The layering check on a copy of the tree (its libraries' declared dependencies): it passes as the tree is, and fails,
# naming the file, once a forbidden include is added on each kind of edge.
set -uo pipefail
source_tree=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
check="$source_tree/scripts/check-layers"

mkdir -p "$work/tree"
(cd "$source_tree" && tar -cf - --exclude=./build --exclude=./.deps --exclude=./.git .) | tar -xf - -C "$work/tree"
"$check" "$work/tree" >/dev/null || { echo "the tree itself fails the check"; exit 1; }

# file that gets the include | the include it may not have
edges=(
  "runtime/property_access.cpp|units/window/window_unit.h"
  "runtime/window_loader.cpp|app/reader_window.h"
  "units/window/window_unit.cpp|runtime/runtime_state.h"
  "contract/values.cpp|runtime/framework/gbk.h"
  "speech/speech_unit.cpp|units/unit_base/unit_events.h"
  "units/label/label_unit.cpp|units/button/button_unit.h"
  "commands/core/to_text.cpp|commands/control_look/control_look.h"
  "tests/runtime/heap_test.cpp|app/reader_program.h"
)
status=0
for edge in "${edges[@]}"; do
  file=${edge%%|*} included=${edge#*|}
  cp "$source_tree/$file" "$work/tree/$file"
  printf '#include "%s"\n' "$included" >>"$work/tree/$file"
  if output=$("$check" "$work/tree" 2>&1); then
    echo "not caught: $file including $included"
    status=1
  elif ! grep -q "$file includes \"$included\"" <<<"$output"; then
    echo "caught without naming the file: $output"
    status=1
  fi
  cp "$source_tree/$file" "$work/tree/$file"
done
[ $status = 0 ] && echo "every forbidden edge was caught"
exit $status
