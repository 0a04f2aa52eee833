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

// A stretch of sound in a recording, in samples, found in 10 ms frames.
struct Burst {
  size_t start;
  size_t length;
};
std::vector<Burst> Bursts(const std::vector<int16_t>& recording);

// How well the recording holds the sound near a burst: the best normalised
// correlation of the sound's first `length` samples with the recording, lined up
// within a few frames of where the burst begins.
double MatchNear(const std::vector<int16_t>& recording, const Burst& burst, const std::vector<int16_t>& sound,
                 size_t length);

// The length of the sound, in samples, up to the end of its sweep.
size_t SoundLength(const std::vector<int16_t>& sound);

}  // namespace vx::test
