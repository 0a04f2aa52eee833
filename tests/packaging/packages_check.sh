#!/usr/bin/env bash
# The packages, built by scripts/package.sh and tried as users meet them; a step of
# scripts/test.sh after the win and win64 builds. Logs and pictures go to
# build/packages/test. Says what it skips and why:
#   the zip holds exactly the 32-bit release folder;
#   lintian finds no error in the Debian package, appstreamcli none in its metainfo;
#   installer_check.sh: the installer under Wine, where this machine executes 32-bit code;
#   deb_check.sh and unreachable_index_check.sh: as root, since they install and
#   remove packages of the machine's.
set -uo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
here=$top/tests/packaging
cd "$top"
out=build/packages
work=$out/test
status=0
say() { echo "packages: $*"; }
# Runs one check and reports its time.
check() { # name command...
  local name=$1 start
  shift
  start=$(date +%s)
  if "$@"; then
    say "$name passed ($(($(date +%s) - start)) s)"
  else
    say "$name FAILED ($(($(date +%s) - start)) s)"
    status=1
  fi
}

scripts/package.sh || { say "scripts/package.sh failed"; exit 1; }
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build/win/CMakeCache.txt)
rm -rf "$work"
mkdir -p "$work"

zip_holds_the_release_folder() {
  local name=voxlet-$version-win32
  diff <(cd build/win/release && find . -type f | sed "s|^\.|$name|" | LC_ALL=C sort) \
       <(unzip -Z1 "$out/$name.zip" | grep -v '/$' | LC_ALL=C sort)
}
check "zip: holds the release folder" zip_holds_the_release_folder

lintian_finds_no_error() {
  local report
  report=$(lintian "$out/voxlet_${version}_amd64.deb" 2>/dev/null)
  [ -z "$report" ] || echo "$report"
  ! grep -q '^E: ' <<<"$report"
}
check "deb: lintian finds no error" lintian_finds_no_error

# AppStream asks for a reverse domain name as the component's id; Voxlet has no
# domain of its own yet, so that warning stays, and errors fail.
metainfo_has_no_error() {
  local report
  report=$(dpkg-deb --fsys-tarfile "$out/voxlet_${version}_amd64.deb" |
    tar -xO ./usr/share/metainfo/voxlet.metainfo.xml >"$work/voxlet.metainfo.xml" &&
    appstreamcli validate --no-net "$work/voxlet.metainfo.xml" 2>&1)
  echo "$report" | grep -E '^[EW]: '
  ! grep -q '^E: ' <<<"$report"
}
check "deb: the AppStream metainfo has no error" metainfo_has_no_error

if scripts/can-run-32bit; then
  check "installer: installs, starts and uninstalls under Wine" \
    "$here/installer_check.sh" "$top/$out/voxlet-$version-setup.exe" "$version" "$top/$work/installer"
else
  say "installer: SKIPPED: this machine cannot execute 32-bit code, and the installer is a 32-bit program"
fi

if [ "$(id -u)" = 0 ]; then
  check "deb: installs, runs and is removed" "$here/deb_check.sh" "$out/voxlet_${version}_amd64.deb" "$version" \
    "$top/$work/deb"
  check "set-up: goes on when a Debian index cannot be fetched" "$here/unreachable_index_check.sh" \
    "$top/$work/unreachable-index"
else
  say "deb: SKIPPED: installing the package and the set-up check need root (CI runs as root)"
fi
exit $status
