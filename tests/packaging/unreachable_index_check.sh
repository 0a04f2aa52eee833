#!/usr/bin/env bash
# unreachable_index_check.sh WORK
# The set-up that the README's commands start with (scripts/install-deps.sh) on a
# machine where one Debian index cannot be fetched: beside the machine's own sources
# stands an extra one whose index has the wrong size, as on a mirror caught
# mid-sync. With a needed package missing, the set-up must still install it from
# the indexes it has, say that an index failed, and succeed.
# The machine's apt configuration and lists are left as they are: the sources and
# lists used here are private copies, handed to install-deps in VOXLET_APT_OPTIONS.
# As root only (it removes and reinstalls a package of the machine's).
set -euo pipefail
work=$1
top=$(cd "$(dirname "$0")/../.." && pwd)
# Needed only to build the third-party libraries, which exist already: nothing else
# misses it while it is away.
package=nasm

rm -rf "$work"
mkdir -p "$work/sources.list.d" "$work/lists/partial"
# A repository whose Release file promises indexes of another size than they have.
repo=$work/mid-sync
for arch in amd64 i386; do
  mkdir -p "$repo/dists/bookworm/main/binary-$arch"
  : >"$repo/dists/bookworm/main/binary-$arch/Packages"
done
{
  printf 'Suite: bookworm\nCodename: bookworm\nDate: %s\n' "$(date -u -R)"
  printf 'Architectures: amd64 i386\nComponents: main\nSHA256:\n'
  for arch in amd64 i386; do
    printf ' %064d 12345 main/binary-%s/Packages\n' 0 "$arch"
  done
} >"$repo/dists/bookworm/Release"
echo "deb [trusted=yes] file:$repo bookworm main" >"$work/sources.list.d/mid-sync.list"
cp /etc/apt/sources.list "$work/sources.list" 2>/dev/null || : >"$work/sources.list"
for file in /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources; do
  [ -f "$file" ] && cp "$file" "$work/sources.list.d/"
done
cp -a /var/lib/apt/lists/. "$work/lists/"
rm -f "$work/lists/lock"
options="-o Dir::Etc::sourcelist=$work/sources.list -o Dir::Etc::sourceparts=$work/sources.list.d"
options+=" -o Dir::State::Lists=$work/lists -o APT::Sandbox::User=root"

# The machine's own apt state, to be found unchanged at the end.
apt_state() {
  find /etc/apt /var/lib/apt/lists -maxdepth 2 -type f ! -name lock -printf '%p %s %T@\n' | LC_ALL=C sort
}
apt_state >"$work/state-before"

# The simulation is what it claims: an update with these sources fails.
# shellcheck disable=SC2086
if apt-get $options update >"$work/update.log" 2>&1; then
  echo "unreachable_index_check: apt-get update succeeded with the mid-sync source; nothing is simulated"
  exit 1
fi
grep -q "mid-sync" "$work/update.log" || { echo "unreachable_index_check: the mid-sync index did not fail"; exit 1; }

restore() { dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'ok installed' ||
  apt-get install -y -qq --no-install-recommends "$package" >/dev/null 2>&1 || true; }
trap restore EXIT
apt-get remove -y -qq "$package" >/dev/null

status=0
VOXLET_APT_OPTIONS=$options bash "$top/scripts/install-deps.sh" >"$work/install-deps.log" 2>&1 || status=$?
sed 's/^/  | /' "$work/install-deps.log"
fail() { echo "unreachable_index_check: $*"; exit 1; }
[ $status = 0 ] || fail "install-deps failed (status $status)"
grep -q "could not be fetched; going on with the others" "$work/install-deps.log" ||
  fail "install-deps did not say that an index could not be fetched"
dpkg-query -W -f='${Status}' "$package" | grep -q 'ok installed' || fail "$package was not installed again"
apt_state >"$work/state-after"
diff "$work/state-before" "$work/state-after" >/dev/null || fail "the machine's apt configuration or lists changed"
echo "unreachable_index_check: with one index failing, the set-up installed $package and went on"
