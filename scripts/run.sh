#!/usr/bin/env bash
# Starts Voxlet and reports its exit code when it ends.
# Linux: installs and builds whatever is missing, then runs the release folder's
#   exe under Wine (32-bit where this machine can execute 32-bit code, else the
#   64-bit build of the same sources). Sound goes to the PulseAudio server when one
#   is reachable; without one Voxlet runs silently. Without $DISPLAY the window is
#   shown on a private Xvfb display, and the script says how to look at it.
# Windows (Git Bash, MSYS): runs the built exe natively.
set -euo pipefail
cd "$(dirname "$0")/.."

report() { # exit-code
  echo "run: voxlet.exe ended with exit code $1"
  exit "$1"
}

case "$(uname -s)" in
  MINGW* | MSYS* | CYGWIN*)
    for exe in build/win/release/voxlet.exe build/win64/release/voxlet.exe; do
      [ -f "$exe" ] || continue
      echo "run: starting $exe"
      set +e
      "$exe"
      report $?
    done
    echo "run: no build/win/release/voxlet.exe: build it on Linux (scripts/run.sh or" \
         "cmake --build --preset win) and copy the build/win/release folder here" >&2
    exit 1 ;;
esac

bash scripts/install-deps.sh
preset=win
scripts/can-run-32bit || preset=win64
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" --target voxlet_release
exe="build/$preset/release/voxlet.exe"

work=$(mktemp -d)
xvfb=
reader=
cleanup() {
  [ -z "$reader" ] || kill "$reader" 2>/dev/null || true
  [ -z "$xvfb" ] || kill "$xvfb" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

if pactl info >/dev/null 2>&1; then
  echo "run: sound through PulseAudio ($(pactl info | sed -n 's/^Server Name: //p'))"
else
  echo "run: no PulseAudio server is reachable: Voxlet runs without sound"
  # Wine then falls back to ALSA; a default device that discards everything keeps
  # ALSA from complaining on this terminal and lets speech run its course unheard.
  printf 'pcm.!default { type null }\n' >"$work/alsa.conf"
  export ALSA_CONFIG_PATH="$work/alsa.conf"
fi

if [ -n "${DISPLAY:-}" ]; then
  display=$DISPLAY
else
  # Xvfb picks a free display number and writes it to descriptor 3 once it is ready.
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
  xvfb=$!
  for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
  [ -s "$work/display" ] || { echo "run: Xvfb did not start" >&2; exit 1; }
  display=":$(cat "$work/display")"
  echo "run: no \$DISPLAY: Voxlet is shown on the private Xvfb display $display (1280x1024)"
  echo "run:   a screenshot: import -display $display -window root voxlet.png"
  if command -v x11vnc >/dev/null; then
    echo "run:   a live view: x11vnc -display $display -localhost -nopw, then a VNC viewer on localhost:5900"
  else
    echo "run:   a live view: install x11vnc, run x11vnc -display $display -localhost -nopw, view localhost:5900"
  fi
  echo "run:   Ctrl-C here ends Voxlet and the display"
fi

echo "run: starting $exe"
set +e
# Wine's output goes to a log shown only when the reader fails: Wine's helper
# processes inherit it and would otherwise complain here when the display goes.
VOXLET_DISPLAY=$display scripts/wine-run "$exe" >"$work/wine.log" 2>&1 &
reader=$!
# Wine's GUI programs ignore SIGINT: Ctrl-C ends the reader with SIGTERM instead.
stopped=
trap 'stopped=1; kill -TERM "$reader" 2>/dev/null' INT TERM
wait "$reader"
code=$?
# A trapped signal interrupts the wait; the second wait gives the reader's own code.
if [ -n "$stopped" ]; then
  wait "$reader"
  code=$?
fi
reader=
if [ "$code" != 0 ] && [ -s "$work/wine.log" ]; then
  echo "run: Wine printed:"
  cat "$work/wine.log"
fi
report $code
