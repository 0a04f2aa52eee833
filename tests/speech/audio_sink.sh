#!/usr/bin/env bash
# A private PulseAudio for the audio-device tests, whose only sink records what is
# played into DIR/capture.raw (22050 Hz, 16-bit, mono, in real time).
#   audio_sink.sh start DIR    starts it; the server's socket is DIR/pulse.sock
#   audio_sink.sh stop DIR     ends the processes the start left running
set -uo pipefail
command=$1 dir=$2

stop() {
  for name in capture pulse; do
    if [ -f "$dir/$name.pid" ]; then
      kill "$(cat "$dir/$name.pid")" 2>/dev/null
      rm -f "$dir/$name.pid"
    fi
  done
}

case $command in
  start)
    stop
    mkdir -p "$dir/home"
    rm -f "$dir/capture.raw" "$dir/pipe.fifo" "$dir/pulse.sock"
    # As root PulseAudio wants a home and runtime folder of its own.
    HOME="$dir/home" XDG_RUNTIME_DIR="$dir/home" setsid pulseaudio --daemonize=no --exit-idle-time=-1 \
      --system=false -n --disallow-exit \
      -L "module-native-protocol-unix socket=$dir/pulse.sock auth-anonymous=1" \
      -L "module-pipe-sink sink_name=capture file=$dir/pipe.fifo format=s16le rate=22050 channels=1 use_system_clock_for_timing=yes" \
      -L module-always-sink </dev/null >"$dir/pulse.log" 2>&1 &
    echo $! >"$dir/pulse.pid"
    for _ in $(seq 100); do
      [ -p "$dir/pipe.fifo" ] && [ -S "$dir/pulse.sock" ] && break
      sleep 0.1
    done
    if ! [ -p "$dir/pipe.fifo" ]; then
      echo "audio_sink: PulseAudio did not start" >&2
      cat "$dir/pulse.log" >&2
      stop
      exit 1
    fi
    setsid cat "$dir/pipe.fifo" </dev/null >"$dir/capture.raw" 2>/dev/null &
    echo $! >"$dir/capture.pid"
    ;;
  stop) stop ;;
  *) echo "usage: audio_sink.sh start|stop DIR" >&2; exit 2 ;;
esac
