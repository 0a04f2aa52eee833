#!/usr/bin/env bash
# release_folder_check_test.sh FOLDER BUILT_EXE DATA LICENSE STRIP OBJDUMP
# The release folder check rejects a copy of the release folder spoiled in any of
# the ways below (and accepts the untouched copy, so its failures mean something).
set -uo pipefail
folder=$1
shift
check="$(dirname "$0")/release_folder_check.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# name | what spoils the copy (run inside it)
spoils=(
  "untouched           | true"
  "a stray file        | touch voxlet.log"
  "a data file missing | rm espeak-ng-data/cmn_dict"
  "a data file changed | echo x >>espeak-ng-data/phontab"
  "the debug build     | cp \"\$BUILT\" voxlet.exe"
  "the licence missing | rm LICENSE"
)
status=0
for row in "${spoils[@]}"; do
  name=$(sed -E 's/ *\|.*//' <<<"$row")
  spoil=$(sed -E 's/^[^|]*\| *//' <<<"$row")
  rm -rf "$work/copy"
  cp -r "$folder" "$work/copy"
  (cd "$work/copy" && BUILT=$1 eval "$spoil") || { echo "cannot prepare: $name"; status=1; continue; }
  "$check" "$work/copy" "$@" >/dev/null
  passed=$?
  if [ "$name" = untouched ] && [ $passed != 0 ]; then
    echo "the untouched copy fails the check"; status=1
  elif [ "$name" != untouched ] && [ $passed = 0 ]; then
    echo "the check accepts a copy with $name"; status=1
  fi
done
[ $status = 0 ] && echo "release folder check: rejects every spoiled copy"
exit $status
