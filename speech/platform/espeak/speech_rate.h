// Speech rate: SAPI's scale of -10..10, on which every step makes speech the same
// factor faster and +10 / -10 are three times / a third as fast as 0.
//
// eSpeak's words per minute do not scale its speech in proportion, so each rate has
// its eSpeak speed measured (eSpeak NG 1.52): the speed at which its Mandarin and
// English voices, taken together (geometric mean), come nearest to 3^(rate/10) times
// as fast as at 175 words per minute. eSpeak goes no lower than 80: the slowest
// rates speak at 80 and have the audio slowed down with sonic. At +10 (525) eSpeak
// speeds its own audio up with sonic.
#pragma once

namespace vx {

constexpr int kNormalWordsPerMinute = 175;
constexpr int kMinimumWordsPerMinute = 80;

struct SpeechSpeed {
  int wordsPerMinute;  // what eSpeak is given
  double audioSpeed;   // how fast its audio is played afterwards: 1 as made, below 1 slower
};

// How much faster than at rate 0 speech at a rate of -10..10 is meant to be.
double SpeedFactorForRate(long rate);
// The speed for a rate of -10..10.
SpeechSpeed SpeedForRate(long rate);

}  // namespace vx
