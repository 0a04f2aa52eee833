#!/usr/bin/env bash
# Makes packaging/voxlet-reader.png, the README's picture of the reader: the release
# folder's voxlet.exe as it starts under Wine (scripts/wine-run: a Chinese system),
# on a display of its own. Builds the release folder first.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
. packaging/x11_window.sh
preset=win
scripts/can-run-32bit || preset=win64
[ -f "build/$preset/build.ninja" ] || cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" --target voxlet_release >/dev/null

work=$(mktemp -d)
reader=
cleanup() {
  [ -z "$reader" ] || kill "$reader" 2>/dev/null || true
  stop_private_display
  rm -rf "$work"
}
trap cleanup EXIT
start_private_display "$work"
VOXLET_DISPLAY=$DISPLAY scripts/wine-run "build/$preset/release/voxlet.exe" >"$work/wine.log" 2>&1 &
reader=$!
window=$(wait_for_window voxlet.exe Voxlet 30) || { cat "$work/wine.log"; echo "screenshot: no reader window" >&2; exit 1; }
sleep 1  # its first painting
window_shot "$window" packaging/voxlet-reader.png
echo "screenshot: packaging/voxlet-reader.png"
