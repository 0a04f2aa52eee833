#!/usr/bin/env bash
# deb_check.sh DEB VERSION WORK
# The Debian package on this machine, as a user meets it: it installs with
# apt-get install ./voxlet_VERSION_amd64.deb; `voxlet` starts the reader on a
# display of its own (its picture: WORK/deb-reader.png) for a user whose home has
# no Wine prefix yet; `voxlet-say` prints the version and saves a text file as
# speech; apt-get remove leaves nothing of the package. As root only; a Voxlet
# installed before is replaced and removed.
set -euo pipefail
deb=$1 version=$2 work=$3
top=$(cd "$(dirname "$0")/../.." && pwd)
# shellcheck source=../../packaging/x11_window.sh
. "$top/packaging/x11_window.sh"

rm -rf "$work"
mkdir -p "$work/home"
export HOME=$work/home
unset XDG_DATA_HOME
prefix=$HOME/.local/share/voxlet/wine
cleanup() {
  [ ! -d "$prefix" ] || WINEPREFIX=$prefix /usr/lib/wine/wineserver -k 2>/dev/null || true
  stop_private_display
  rm -rf "$HOME"
}
trap cleanup EXIT
fail() { echo "deb_check: $*"; exit 1; }

case $deb in /*) ;; *) deb=./$deb ;; esac  # apt takes a path, not a name
apt-get install -y -qq "$deb" >"$work/install.log" 2>&1 || { cat "$work/install.log"; fail "apt-get install failed"; }
dpkg-query -W -f='${Version}' voxlet | grep -qx "$version" || fail "voxlet $version is not installed"
dpkg -L voxlet >"$work/files"

start_private_display "$work"
start=$(date +%s%N)
[ "$(voxlet-say --version | tr -d '\r')" = "voxlet-say $version" ] || fail "voxlet-say --version does not say $version"
echo "deb_check: first start, making the Wine prefix: $((($(date +%s%N) - start) / 1000000)) ms"
[ -f "$prefix/.voxlet-ready" ] || fail "no Wine prefix in $prefix"

voxlet >"$work/voxlet.log" 2>&1 &
launcher=$!
window=$(wait_for_window voxlet.exe Voxlet 30) || { cat "$work/voxlet.log"; fail "voxlet showed no reader window"; }
sleep 1  # its first painting
window_shot "$window" "$work/deb-reader.png"
echo "deb_check: the reader started by voxlet: $work/deb-reader.png"
WINEPREFIX=$prefix WINEDEBUG=-all /usr/lib/wine/wine64 taskkill /IM voxlet.exe >/dev/null
wait "$launcher" || fail "voxlet ended with status $?"

printf '你好，世界。今天天气很好。\n' >"$work/text.txt"
voxlet-say --wav "$work/speech.wav" "$work/text.txt" || fail "voxlet-say --wav failed"
seconds=$(sox --i -D "$work/speech.wav") rms=$(sox "$work/speech.wav" -n stat 2>&1 | awk '/RMS +amplitude/ {print $3}')
echo "deb_check: voxlet-say saved $seconds s of speech, RMS amplitude $rms"
awk -v s="$seconds" -v r="$rms" 'BEGIN { exit !(s >= 1 && s <= 20 && r >= 0.02) }' ||
  fail "the saved speech is not plausible"

apt-get remove -y -qq voxlet >"$work/remove.log" 2>&1 || { cat "$work/remove.log"; fail "apt-get remove failed"; }
! dpkg-query -W -f='${db:Status-Abbrev}' voxlet 2>/dev/null | grep -q . || fail "dpkg still knows voxlet"
# Files must be gone; folders too, unless another package owns them.
left=$(grep -vx '/\.' "$work/files" | while read -r path; do
  if [ -L "$path" ] || [ -f "$path" ]; then echo "$path"; fi
  if [ -d "$path" ] && ! dpkg -S "$path" >/dev/null 2>&1; then echo "$path"; fi
done)
[ -z "$left" ] || fail "apt-get remove left $left"
echo "deb_check: installed, ran and removed without a trace"
