#include "speech/platform/espeak/speech_rate.h"

#include <gtest/gtest.h>

namespace vx {
namespace {

TEST(SpeechRateTest, ZeroIsTheNormalSpeed) { EXPECT_EQ(EspeakWordsPerMinute(0), 175); }

TEST(SpeechRateTest, EveryStepIsTheSameFactorAndTenStepsAreThreeTimes) {
  for (long rate = -10; rate < 10; ++rate) {
    EXPECT_NEAR(WordsPerMinuteForRate(rate + 1) / WordsPerMinuteForRate(rate), 1.1161, 1e-4) << rate;
  }
  EXPECT_NEAR(WordsPerMinuteForRate(10), 3 * 175, 1e-9);
  EXPECT_NEAR(WordsPerMinuteForRate(-10), 175.0 / 3, 1e-9);
}

TEST(SpeechRateTest, EspeakSpeedIsClampedToItsRangeAndMonotonic) {
  EXPECT_EQ(EspeakWordsPerMinute(10), kMaximumWordsPerMinute);
  EXPECT_EQ(EspeakWordsPerMinute(-10), kMinimumWordsPerMinute);
  EXPECT_EQ(EspeakWordsPerMinute(5), 303);
  EXPECT_EQ(EspeakWordsPerMinute(-5), 101);
  for (long rate = -10; rate < 10; ++rate) EXPECT_LE(EspeakWordsPerMinute(rate), EspeakWordsPerMinute(rate + 1));
}

}  // namespace
}  // namespace vx
