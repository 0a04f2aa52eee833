#include "speech/platform/espeak/speech_rate.h"

#include <algorithm>
#include <cmath>

namespace vx {
namespace {

// eSpeak's speed for the rates -10..10 (see the header).
constexpr int kWordsPerMinute[21] = {80,  80,  80,  86,  96,  106, 117, 130, 144, 158, 175,
                                     193, 211, 231, 256, 280, 306, 337, 368, 409, 525};
// How much faster than at 175 eSpeak speaks at 80, measured the same way.
constexpr double kFactorAtMinimum = 0.451;

}  // namespace

double SpeedFactorForRate(long rate) { return std::pow(3.0, static_cast<double>(rate) / 10.0); }

SpeechSpeed SpeedForRate(long rate) {
  rate = std::clamp(rate, -10L, 10L);
  int wordsPerMinute = kWordsPerMinute[rate + 10];
  double factor = SpeedFactorForRate(rate);
  if (wordsPerMinute == kMinimumWordsPerMinute && factor < kFactorAtMinimum) {
    return {wordsPerMinute, factor / kFactorAtMinimum};
  }
  return {wordsPerMinute, 1.0};
}

}  // namespace vx
