#!/usr/bin/env bash
# release_folder_check.sh FOLDER BUILT_EXE DATA LICENSE STRIP OBJDUMP
# Fails unless FOLDER holds exactly what a user needs: voxlet.exe, which is the
# built exe without debug information and imports system DLLs only; voxlet-say.exe;
# the speech data, file for file as the build uses it; the licence; the read-me.
set -uo pipefail
folder=$1 built=$2 data=$3 licence=$4 strip=$5 objdump=$6
top=$(cd "$(dirname "$0")/../.." && pwd)
status=0
fail() { echo "release folder: $*"; status=1; }

entries=$(cd "$folder" 2>/dev/null && LC_ALL=C ls -A | tr '\n' ' ')
expected="LICENSE README.txt espeak-ng-data voxlet-say.exe voxlet.exe "
[ "$entries" = "$expected" ] || fail "holds '$entries' instead of '$expected'"

# The engine cannot start without these; the comparison below then covers the rest.
for file in phontab phonindex phondata intonations cmn_dict en_dict lang/sit/cmn lang/gmw/en; do
  [ -s "$folder/espeak-ng-data/$file" ] || fail "espeak-ng-data/$file is missing"
done
diff -r "$data" "$folder/espeak-ng-data" >/dev/null || fail "espeak-ng-data differs from $data"
cmp -s "$licence" "$folder/LICENSE" || fail "LICENSE differs from $licence"

# Stripping stamps the PE header with the time; everything after the header
# (its first 1024 bytes) must be the built exe's, stripped.
stripped=$(mktemp)
trap 'rm -f "$stripped"' EXIT
"$strip" -o "$stripped" "$built" && [ "$(stat -c %s "$stripped")" = "$(stat -c %s "$folder/voxlet.exe" 2>/dev/null)" ] &&
  [ -z "$(cmp -l "$stripped" "$folder/voxlet.exe" | awk '$1 > 1024')" ] ||
  fail "voxlet.exe is not the built exe, stripped"
"$top/scripts/check-imports" "$objdump" "$folder/voxlet.exe" >/dev/null ||
  fail "voxlet.exe imports a DLL that Windows does not ship"
"$top/scripts/check-imports" "$objdump" "$folder/voxlet-say.exe" >/dev/null ||
  fail "voxlet-say.exe imports a DLL that Windows does not ship"

[ $status = 0 ] && echo "release folder: $folder holds what a user needs"
exit $status
