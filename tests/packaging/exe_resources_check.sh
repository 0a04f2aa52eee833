#!/usr/bin/env bash
# exe_resources_check.sh EXE VERSION
# What Windows reads from the exe's resources, read back with icoutils' wrestool:
# the version resource names the product Voxlet and VERSION, its file description
# and licence; the icon DEFAULT_ICON holds 16, 32, 48 and 256 pixels; the manifest
# runs the program as the invoking user, names Windows Vista to 11, and asks for
# no version 6 common controls.
set -uo pipefail
exe=$1 version=$2
status=0
fail() { echo "exe_resources_check: $(basename "$exe"): $*"; status=1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The version resource's strings, one a line: each key, then its value (what the
# records hold before a key ends in a control character).
wrestool -x --raw --type=16 "$exe" >"$work/version" 2>/dev/null || fail "no version resource"
iconv -f UTF-16LE -t UTF-8 "$work/version" 2>/dev/null | tr '\0' '\n' | LC_ALL=C sed 's/.*[[:cntrl:]]//' | grep . >"$work/strings"
value() { awk -v key="$1" 'found {print; exit} $0 == key {found = 1}' "$work/strings"; }
[ "$(value ProductName)" = Voxlet ] || fail "ProductName is '$(value ProductName)', not Voxlet"
[ "$(value ProductVersion)" = "$version" ] || fail "ProductVersion is '$(value ProductVersion)', not $version"
[ "$(value FileVersion)" = "$version" ] || fail "FileVersion is '$(value FileVersion)', not $version"
[ -n "$(value FileDescription)" ] || fail "no FileDescription"
[ "$(value LegalCopyright)" = GPL-3.0-or-later ] || fail "LegalCopyright is '$(value LegalCopyright)'"

if wrestool -x --type=group_icon --name=DEFAULT_ICON "$exe" >"$work/icon.ico" 2>/dev/null; then
  sizes=$(icotool -l "$work/icon.ico" 2>/dev/null | sed -E 's/.*--width=([0-9]+).*/\1/' | sort -n | tr '\n' ' ')
  [ "$sizes" = "16 32 48 256 " ] || fail "DEFAULT_ICON holds the sizes '$sizes', not '16 32 48 256'"
else
  fail "no icon DEFAULT_ICON"
fi

wrestool -x --raw --type=24 --name=1 "$exe" >"$work/manifest" 2>/dev/null || fail "no manifest"
grep -q 'requestedExecutionLevel level="asInvoker"' "$work/manifest" || fail "the manifest does not run as invoker"
[ "$(grep -c '<supportedOS Id=' "$work/manifest")" = 5 ] || fail "the manifest does not name Windows Vista to 11"
grep -qi 'Common-Controls' "$work/manifest" && fail "the manifest asks for the version 6 common controls"

[ $status = 0 ] && echo "exe_resources_check: $(basename "$exe"): Voxlet $version, icon 16-256, manifest as invoker"
exit $status
