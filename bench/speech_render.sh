#!/usr/bin/env bash
# Renders two texts to WAV through voxlet-say (the speech object on the built-in
# engine, under Wine) and through the native espeak-ng 1.52 built by
# scripts/install-deps.sh on the same data, the best of five runs each, the two
# taking turns, and prints the times, the audio lengths and each ratio against its
# aim:
#   - pure Chinese (2000 characters): voxlet-say's time per second of audio at most
#     1.1x that of espeak-ng -w;
#   - mixed text (a Latin word in every sentence, 2000 characters): voxlet-say's time
#     per second of audio at most 1.2x that of the pure Chinese text.
# The two programs' audio must be equally long (within 10 %). Any failed run or
# length mismatch ends the bench with status 1; a missed aim with status 2.
#   bench/speech_render.sh [BUILD_DIR]
# BUILD_DIR defaults to build/win, the 32-bit product, where this machine can run
# 32-bit code, else build/win64.
set -euo pipefail

top=$(cd "$(dirname "$0")/.." && pwd)
default=$top/build/win
"$top/scripts/can-run-32bit" || default=$top/build/win64
build=${1:-$default}
tool=$build/voxlet-say.exe
native=$top/.deps/native/bin/espeak-ng
[ -f "$tool" ] || { echo "speech_render: build voxlet-say first: $tool" >&2; exit 1; }
[ -x "$native" ] || { echo "speech_render: run scripts/install-deps.sh first: $native" >&2; exit 1; }
for program in sox soxi bc python3; do
  command -v $program >/dev/null || { echo "speech_render: $program is not installed" >&2; exit 1; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# 2000 characters of each passage, repeated, in UTF-8.
make_text() { # passage file
  python3 - "$1" "$2" <<'PY'
import sys
passage, path = sys.argv[1], sys.argv[2]
open(path, "w", encoding="utf-8").write((passage * (2000 // len(passage) + 1))[:2000])
PY
}
make_text '春天来了，花都开了，小鸟在树上唱歌。今天天气很好，我们一起去公园散步吧。公园里有很多人，有的在跑步，有的在打太极拳，还有的在湖边钓鱼。' \
  "$work/chinese.txt"
make_text '今天我们用 Python 写了一个小程序。老师说发 email 比寄信快得多。他每天早上都要喝一杯 coffee。周末我们一起去看一场 movie 吧。这个 app 很好用，大家都喜欢它。' \
  "$work/mixed.txt"

# Seconds one run of a command takes; the run must succeed and leave its WAV file.
time_run() { # wav command...
  local wav=$1 start end
  shift
  rm -f "$wav"
  start=$(date +%s.%N)
  if ! "$@" >"$work/run.log" 2>&1; then
    echo "speech_render: failed: $*" >&2
    cat "$work/run.log" >&2
    return 1
  fi
  end=$(date +%s.%N)
  [ -s "$wav" ] || { echo "speech_render: no audio from: $*" >&2; return 1; }
  echo "$end - $start" | bc
}
faster() { if [ -z "$1" ] || [ "$(echo "$2 < $1" | bc)" = 1 ]; then echo "$2"; else echo "$1"; fi; }

ratio() { echo "scale=12; $1 / $2" | bc; }
# "meets" or "misses" for a ratio and its upper aim.
verdict() { if [ "$(echo "$1 <= $2" | bc)" = 1 ]; then echo meets; else echo misses; fi; }

# A warm wineserver, as in use. The timed runs then start Wine directly in the
# environment scripts/wine-run sets up, so that the wrapper's own checks (display,
# prefix, server) are not counted as voxlet-say's time.
"$top/scripts/wine-run" "$tool" --list >/dev/null
export WINEPREFIX="${VOXLET_WINEPREFIX:-$top/.deps/wineprefix}" WINEARCH=win64 WINEDEBUG=-all \
       WINEDLLOVERRIDES="mscoree,mshtml=" DISPLAY="${VOXLET_DISPLAY:-:99}"
if [ -d "$top/.deps/locale/zh_CN.utf8" ]; then
  export LOCPATH="$top/.deps/locale" LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8 2>/dev/null
fi
wine=/usr/lib/wine/wine64
runs=5
status=0
declare -A per_second
# voxlet-say's own start and end (Wine, COM, the engine's data), from an empty text.
: >"$work/empty.txt"
startup=
for _ in $(seq $runs); do
  took=$(time_run "$work/empty.wav" "$wine" "$tool" --wav "$work/empty.wav" "$work/empty.txt") || exit 1
  startup=$(faster "$startup" "$took")
done
printf 'voxlet-say start-up and end (an empty text): %.3f s\n' "$startup"
for name in chinese mixed; do
  tool_wav=$work/$name-tool.wav native_wav=$work/$name-native.wav
  # The two programs take turns, so that both meet the machine in the same state.
  tool_time= native_time=
  for _ in $(seq $runs); do
    took=$(time_run "$tool_wav" "$wine" "$tool" --wav "$tool_wav" "$work/$name.txt") || exit 1
    tool_time=$(faster "$tool_time" "$took")
    took=$(time_run "$native_wav" "$native" --path="$top/.deps" -v cmn -w "$native_wav" -f "$work/$name.txt") || exit 1
    native_time=$(faster "$native_time" "$took")
  done
  tool_audio=$(soxi -D "$tool_wav") native_audio=$(soxi -D "$native_wav")
  per_second[$name]=$(ratio "$tool_time" "$tool_audio")
  native_per_second=$(ratio "$native_time" "$native_audio")
  length_ratio=$(ratio "$tool_audio" "$native_audio")
  printf '%s text, 2000 characters\n' "$name"
  printf '  voxlet-say:   %6.3f s for %7.2f s of audio\n' "$tool_time" "$tool_audio"
  printf '  espeak-ng -w: %6.3f s for %7.2f s of audio\n' "$native_time" "$native_audio"
  if [ "$(echo "$length_ratio >= 0.9 && $length_ratio <= 1.1" | bc)" = 1 ]; then
    printf '  audio lengths: %.3f, within 10 %%\n' "$length_ratio"
  else
    printf '  audio lengths: %.3f, NOT within 10 %%\n' "$length_ratio"
    status=1
  fi
  if [ "$name" = chinese ]; then
    speed=$(ratio "${per_second[chinese]}" "$native_per_second")
    printf '  time per second of audio, voxlet-say / espeak-ng: %.2fx (aim: at most 1.1x, %s)\n' \
      "$speed" "$(verdict "$speed" 1.1)"
    printf '  the same without voxlet-say'"'"'s start-up and end: %.2fx\n' \
      "$(ratio "$(ratio "$(echo "$tool_time - $startup" | bc)" "$tool_audio")" "$native_per_second")"
    [ "$(verdict "$speed" 1.1)" = meets ] || [ $status != 0 ] || status=2
  else
    speed=$(ratio "${per_second[mixed]}" "${per_second[chinese]}")
    printf '  time per second of audio, mixed / pure Chinese: %.2fx (aim: at most 1.2x, %s)\n' \
      "$speed" "$(verdict "$speed" 1.2)"
    [ "$(verdict "$speed" 1.2)" = meets ] || [ $status != 0 ] || status=2
  fi
done
exit $status
