#!/usr/bin/env bash
# voxlet-say installed as a user would install the reader: the exe and its
# espeak-ng-data folder copied into a folder named in Chinese (and in a script the
# ANSI code page cannot write). The built-in engine lists both voices and speaks;
# with cmn_dict removed, the Chinese voice is no longer listed and English speaks.
#   installed_check.sh WINE_RUN SAY_EXE DATA_DIR WORK_DIR
set -euo pipefail
wine_run=$1 say=$2 data=$3 work=$4
folder="$work/语音朗读 ✓ 한국어"
rm -rf "$work" && mkdir -p "$folder"
cp "$say" "$folder/"
cp -rL "$data" "$folder/espeak-ng-data"  # a copy, also of a linked data folder
exe="$folder/$(basename "$say")"
printf '你好，世界。Hello world.' >"$work/text.txt"

check_speech() { # wav what
  local rms
  rms=$(sox "$1" -n stat 2>&1 | awk '/RMS +amplitude/ {print $3}')
  awk -v r="$rms" -v what="$2" 'BEGIN { if (r < 0.02) { print what ": too quiet, RMS amplitude " r; exit 1 } }'
}

voices=$("$wine_run" "$exe" --list | tr -d '\r')
echo "installed_check: voices: $(echo "$voices" | tr '\n' ';')"
[ "$(echo "$voices" | wc -l)" = 2 ] && echo "$voices" | grep -q 中文 \
  || { echo "installed_check: expected the Chinese and the English voice"; exit 1; }
"$wine_run" "$exe" --wav "$work/both.wav" "$work/text.txt"
check_speech "$work/both.wav" "the Chinese voice"

rm "$folder/espeak-ng-data/cmn_dict"
voices=$("$wine_run" "$exe" --list | tr -d '\r')
echo "installed_check: without cmn_dict: $(echo "$voices" | tr '\n' ';')"
[ "$voices" = "eSpeak NG 英语" ] || [ "$voices" = "eSpeak NG English" ] \
  || { echo "installed_check: expected the English voice alone"; exit 1; }
"$wine_run" "$exe" --wav "$work/english.wav" "$work/text.txt"
check_speech "$work/english.wav" "the English voice"
