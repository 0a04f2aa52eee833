#include "speech/platform/espeak/speech_rate.h"

#include <gtest/gtest.h>

namespace vx {
namespace {

TEST(SpeechRateTest, EspeakSpeaksDownToItsFloorAndTheAudioIsSlowedBelowIt) {
  struct Row {
    long rate;
    int wordsPerMinute;
    double audioSpeed;
  };
  const Row rows[] = {{10, 525, 1}, {0, 175, 1}, {-7, 86, 1}, {-8, 80, 0.9207}, {-10, 80, 0.7391}};
  for (const Row& row : rows) {
    SpeechSpeed speed = SpeedForRate(row.rate);
    EXPECT_EQ(speed.wordsPerMinute, row.wordsPerMinute) << row.rate;
    EXPECT_NEAR(speed.audioSpeed, row.audioSpeed, 1e-4) << row.rate;
  }
}

TEST(SpeechRateTest, AllTwentyOneRatesAreDistinctAndOrdered) {
  for (long rate = -10; rate < 10; ++rate) {
    SpeechSpeed slower = SpeedForRate(rate), faster = SpeedForRate(rate + 1);
    EXPECT_LT(slower.wordsPerMinute * slower.audioSpeed, faster.wordsPerMinute * faster.audioSpeed) << rate;
  }
}

}  // namespace
}  // namespace vx
