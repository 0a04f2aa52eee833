#!/usr/bin/env bash
# Builds whatever is missing and starts Voxlet under Wine: the 32-bit exe where
# this machine can execute 32-bit code, else the 64-bit build of the same sources.
# It shows on $DISPLAY, or on a private Xvfb display when there is none.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
preset=win
scripts/can-run-32bit || preset=win64
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" --target voxlet
exe="build/$preset/voxlet.exe"
echo "run: built $exe"
set +e
VOXLET_DISPLAY="${DISPLAY:-:99}" scripts/wine-run "$exe"
code=$?
echo "run: voxlet.exe ended with exit code $code"
exit $code
