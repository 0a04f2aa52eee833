#!/usr/bin/env bash
# Renders 2000 Chinese characters to WAV through voxlet-say (the speech object on
# the built-in engine, under Wine) and through the native espeak-ng on the same
# text, and prints both times and their ratio. Best of three runs each.
#   bench/speech_render.sh [BUILD_DIR]
# BUILD_DIR defaults to build/win, the 32-bit product, where this machine can run
# 32-bit code, else build/win64.
set -euo pipefail

top=$(cd "$(dirname "$0")/.." && pwd)
default=$top/build/win
"$top/scripts/can-run-32bit" || default=$top/build/win64
build=${1:-$default}
tool=$build/voxlet-say.exe
[ -x "$tool" ] || { echo "build voxlet-say first: $tool" >&2; exit 1; }
command -v espeak-ng >/dev/null || { echo "espeak-ng is not installed" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# 2000 characters of Chinese prose with its punctuation, in UTF-8.
passage='春天来了，花都开了，小鸟在树上唱歌。今天天气很好，我们一起去公园散步吧。公园里有很多人，有的在跑步，有的在打太极拳，还有的在湖边钓鱼。'
python3 - "$passage" "$work/text.txt" <<'PY'
import sys
passage, path = sys.argv[1], sys.argv[2]
text = (passage * (2000 // len(passage) + 1))[:2000]
open(path, "w", encoding="utf-8").write(text)
PY

# Seconds taken by the fastest of three runs of the command.
best_of_three() {
  local best=
  for _ in 1 2 3; do
    local start end took
    start=$(date +%s.%N)
    "$@" >/dev/null 2>&1 || { echo "speech_render: failed: $*" >&2; exit 1; }
    end=$(date +%s.%N)
    took=$(echo "$end - $start" | bc)
    if [ -z "$best" ] || [ "$(echo "$took < $best" | bc)" = 1 ]; then best=$took; fi
  done
  echo "$best"
}

"$top/scripts/wine-run" "$tool" --list >/dev/null  # a warm wineserver, as in use
tool_time=$(best_of_three "$top/scripts/wine-run" "$tool" --wav "$work/tool.wav" "$work/text.txt")
# The native program reads the same voice data the tool ships (Debian's own 1.51
# data reads Mandarin differently and gives half again as much audio).
native_time=$(best_of_three espeak-ng --path="$top/.deps" -v cmn -w "$work/native.wav" -f "$work/text.txt")

length() { soxi -D "$1" 2>/dev/null || echo "?"; }
printf 'text:            2000 Chinese characters\n'
printf 'voxlet-say:      %.3f s  (%s s of audio)\n' "$tool_time" "$(length "$work/tool.wav")"
printf 'espeak-ng -w:    %.3f s  (%s s of audio)\n' "$native_time" "$(length "$work/native.wav")"
printf 'ratio:           %.2fx  (aim: at most 1.5x)\n' "$(echo "$tool_time / $native_time" | bc -l)"
