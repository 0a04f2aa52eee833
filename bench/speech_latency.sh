#!/usr/bin/env bash
# From a click on 开始 to the first audible sample at a PulseAudio sink, median over
# 10 clicks (aim: at most 150 ms). A private PulseAudio plays into a pipe sink in
# real time; sink_onsets.py reads it and stamps when sound starts, on the Unix
# clock. click-driver.exe starts the program under Wine with that server, pastes a
# passage, and 10 times clicks 开始 (printing the time on the same clock), lets it
# speak, clicks 停止 and waits for quiet. latency_report.py pairs clicks and onsets.
#   bench/speech_latency.sh [BUILD_DIR] [PROGRAM]
# BUILD_DIR defaults to build/win, the 32-bit product, where this machine can run
# 32-bit code, else build/win64. PROGRAM, relative to BUILD_DIR, defaults to the
# release folder's reader, release/voxlet.exe.
set -euo pipefail

top=$(cd "$(dirname "$0")/.." && pwd)
default=$top/build/win
"$top/scripts/can-run-32bit" || default=$top/build/win64
build=$(cd "${1:-$default}" && pwd)
program=${2:-release/voxlet.exe}
clicks=10
for file in "$program" bench/click-driver.exe; do
  [ -f "$build/$file" ] || { echo "latency: no $build/$file; build it first" >&2; exit 1; }
done
command -v python3 >/dev/null || { echo "latency: python3 is needed to read the sink" >&2; exit 1; }

work=$(mktemp -d)
pulse= reader=
cleanup() {
  for pid in $reader $pulse; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# As root PulseAudio wants a home and runtime folder of its own.
mkdir -p "$work/home"
HOME=$work/home XDG_RUNTIME_DIR=$work/home pulseaudio --daemonize=no --exit-idle-time=-1 --system=false -n \
  --disallow-exit -L "module-native-protocol-unix socket=$work/pulse.sock auth-anonymous=1" \
  -L "module-pipe-sink sink_name=bench file=$work/sink.fifo format=s16le rate=48000 channels=2 use_system_clock_for_timing=yes" \
  </dev/null >"$work/pulse.log" 2>&1 &
pulse=$!
for _ in $(seq 100); do [ -p "$work/sink.fifo" ] && [ -S "$work/pulse.sock" ] && break; sleep 0.1; done
if ! [ -p "$work/sink.fifo" ] || ! [ -S "$work/pulse.sock" ]; then
  echo "latency: PulseAudio did not start:" >&2
  cat "$work/pulse.log" >&2
  exit 1
fi
python3 "$top/bench/sink_onsets.py" "$work/sink.fifo" >"$work/onsets" &
reader=$!

echo "latency: $build/$program, $clicks clicks; load average $(cut -d" " -f1-3 /proc/loadavg) on $(nproc) cores"
cd "$build"
PULSE_SERVER=unix:$work/pulse.sock "$top/scripts/wine-run" bench/click-driver.exe "$program" "$clicks" \
  >"$work/clicks" || {
  status=$?
  echo "latency: click-driver failed with exit code $status" >&2
  exit $status
}
sleep 0.5  # the last quiet gap reaches the sink's reader
kill -0 "$reader" 2>/dev/null || { echo "latency: the sink's reader ended early" >&2; exit 1; }
python3 "$top/bench/latency_report.py" "$work/clicks" "$work/onsets"
