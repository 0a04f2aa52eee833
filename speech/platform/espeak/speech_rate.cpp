#include "speech/platform/espeak/speech_rate.h"

#include <algorithm>
#include <cmath>

namespace vx {

double WordsPerMinuteForRate(long rate) {
  return kNormalWordsPerMinute * std::pow(3.0, static_cast<double>(rate) / 10.0);
}

int EspeakWordsPerMinute(long rate) {
  long wpm = std::lround(WordsPerMinuteForRate(rate));
  return static_cast<int>(std::clamp<long>(wpm, kMinimumWordsPerMinute, kMaximumWordsPerMinute));
}

}  // namespace vx
