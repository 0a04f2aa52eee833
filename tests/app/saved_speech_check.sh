#!/usr/bin/env bash
# 另存为 end to end: runs the reader's save scenario (reader_user_tests), then sox
# must read the WAV file it left beside the test exe as speech: 22050 Hz, a
# plausible length for its sentence, clearly above silence.
#   saved_speech_check.sh WINE_RUN TEST_EXE
set -euo pipefail
wine_run=$1 tests=$2
wav="$(dirname "$tests")/reader_saved.wav"
rm -f "$wav"
trap 'rm -f "$wav"' EXIT

"$wine_run" "$tests" --gtest_filter=ReaderUser.SaveAsWritesTheTextAsAWavFile
[ -s "$wav" ] || { echo "saved_speech_check: the scenario left no $wav"; exit 1; }

seconds=$(sox --i -D "$wav")
rate=$(sox --i -r "$wav")
rms=$(sox "$wav" -n stat 2>&1 | awk '/RMS +amplitude/ {print $3}')
echo "saved_speech_check: $seconds s at $rate Hz, RMS amplitude $rms"
awk -v s="$seconds" -v r="$rms" -v hz="$rate" 'BEGIN {
  if (hz != 22050) { print "unexpected sample rate " hz; exit 1 }
  if (s < 2.0 || s > 30.0) { print "implausible length " s " s"; exit 1 }
  if (r < 0.01) { print "too quiet: RMS amplitude " r; exit 1 }
}'
