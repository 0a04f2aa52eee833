// The test sound played at the sink, and what can be told of a recording of it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace vx::test {

// The sink's rate (audio_sink.sh): test sounds at this rate reach it unresampled.
inline constexpr uint32_t kSinkRate = 22050;

// A rising sweep of toneSeconds, then silence of restSeconds, 16-bit mono at the
// sink's rate: unmistakable where it starts, so a recording can be lined up with it.
std::vector<int16_t> SweepThenSilence(double toneSeconds, double restSeconds);

// The longest gap that Wine's audio path puts into a sound when the machine is
// busy (its stream runs dry and starts again).
inline constexpr size_t kLongestHiccup = kSinkRate / 10;

// A stretch of sound in a recording, in samples, found in 10 ms frames; gaps
// shorter than a hiccup do not end it.
struct Burst {
  size_t start;
  size_t length;
};
std::vector<Burst> Bursts(const std::vector<int16_t>& recording);

// The samples of a burst with every run of silence taken out: the silence at
// its edges and the gaps a hiccup leaves (its stream plays zeros until it gets
// samples again).
std::vector<int16_t> WithoutSilence(const std::vector<int16_t>& recording, const Burst& burst);

// The normalised correlation of the sound's first `length` samples with what was
// heard, lined up where it is best within a few milliseconds of its start.
double Correlation(const std::vector<int16_t>& heard, const std::vector<int16_t>& sound, size_t length);

// The length of the sound, in samples, up to the end of its sweep.
size_t SoundLength(const std::vector<int16_t>& sound);

}  // namespace vx::test
