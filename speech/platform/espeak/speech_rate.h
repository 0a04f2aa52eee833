// Speech rate: SAPI's scale of -10..10, where every step is the same factor and
// +10 / -10 are three times / a third of the normal speed, in eSpeak's words per
// minute. eSpeak (built without its sonic speed-up) takes 80..450 wpm, so the
// ends of the scale are clamped there: -10 is ~2.2x slower, +10 ~2.6x faster.
#pragma once

namespace vx {

constexpr int kNormalWordsPerMinute = 175;
constexpr int kMinimumWordsPerMinute = 80;
constexpr int kMaximumWordsPerMinute = 450;

// The unclamped speed for a rate of -10..10.
double WordsPerMinuteForRate(long rate);
// What eSpeak is given.
int EspeakWordsPerMinute(long rate);

}  // namespace vx
