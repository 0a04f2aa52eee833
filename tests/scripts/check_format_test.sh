#!/usr/bin/env bash
# The formatting check on a copy of the tree: it passes as the tree is, and fails,
# naming the file, once a source is spoiled.
set -uo pipefail
source_tree=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
check="$source_tree/scripts/check-format"
(cd "$source_tree" && tar -cf - --exclude=./build --exclude=./.deps --exclude=./.git .) | tar -xf - -C "$work"
"$check" "$work" >/dev/null || { echo "the tree itself fails the check"; exit 1; }
printf 'int  spoiled ;\n' >>"$work/contract/values.cpp"
if output=$("$check" "$work" 2>&1); then
  echo "not caught: a badly formatted line"
  exit 1
fi
grep -q "contract/values.cpp differs" <<<"$output" || { echo "caught without naming the file: $output"; exit 1; }
echo "a badly formatted source was caught"
