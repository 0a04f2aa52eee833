#!/usr/bin/env bash
# End to end through the voxlet-say tool under Wine: a Chinese text file saved as
# speech must be a WAV file that sox reads, of a plausible length and clearly above
# silence, and an existing file must be replaced; a WAV file that cannot be written
# ends the tool with status 1 and says so.
#   say_to_wav_check.sh WINE_RUN SAY_EXE WORK_DIR
set -euo pipefail
wine_run=$1 say=$2 work=$3
mkdir -p "$work"
text="$work/你好.txt" wav="$work/语音.wav"
printf '你好，世界。今天天气很好。' >"$text"
head -c 100000 /dev/urandom >"$wav"  # an older file in the way

"$wine_run" "$say" --wav "$wav" "$text"

seconds=$(sox --i -D "$wav")
rms=$(sox "$wav" -n stat 2>&1 | awk '/RMS +amplitude/ {print $3}')
rate=$(sox --i -r "$wav")
echo "say_to_wav_check: $seconds s at $rate Hz, RMS amplitude $rms"
awk -v s="$seconds" -v r="$rms" -v hz="$rate" 'BEGIN {
  if (hz != 22050) { print "unexpected sample rate " hz; exit 1 }
  if (s < 1.0 || s > 20.0) { print "implausible length " s " s"; exit 1 }
  if (r < 0.02) { print "too quiet: RMS amplitude " r; exit 1 }
}'

set +e
message=$("$wine_run" "$say" --wav "$work/no-such-folder/a.wav" "$text" 2>&1 >/dev/null)
status=$?
set -e
echo "say_to_wav_check: unwritable file: status $status: $message"
[ $status = 1 ] && echo "$message" | grep -q 'rendering into .* failed' \
  || { echo "expected status 1 and a message"; exit 1; }
