#include "tests/sound/heard_sound.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "tests/speech/sink_recording.h"

namespace vx::test {
namespace {

constexpr size_t kFrame = kSinkRate / 100;
constexpr double kAmplitude = 12000;
constexpr double kLowHz = 400, kHighHz = 2400;
constexpr size_t kFade = kSinkRate / 200;

double FrameRms(const int16_t* samples, size_t count) {
  double sum = 0;
  for (size_t i = 0; i < count; ++i) sum += double(samples[i]) * samples[i];
  return std::sqrt(sum / count);
}

}  // namespace

std::vector<int16_t> SweepThenSilence(double toneSeconds, double restSeconds) {
  const size_t tone = static_cast<size_t>(toneSeconds * kSinkRate);
  std::vector<int16_t> samples(tone + static_cast<size_t>(restSeconds * kSinkRate));
  double phase = 0;
  for (size_t i = 0; i < tone; ++i) {
    const double hz = kLowHz + (kHighHz - kLowHz) * i / tone;
    phase += 2 * std::numbers::pi * hz / kSinkRate;
    const double fade = std::min({1.0, double(i) / kFade, double(tone - i) / kFade});
    samples[i] = static_cast<int16_t>(kAmplitude * fade * std::sin(phase));
  }
  return samples;
}

std::vector<Burst> Bursts(const std::vector<int16_t>& recording) {
  std::vector<Burst> bursts;
  bool inBurst = false;
  for (size_t at = 0; at + kFrame <= recording.size(); at += kFrame) {
    const bool loud = FrameRms(recording.data() + at, kFrame) > kHeardRms;
    if (loud && !inBurst) bursts.push_back({at, 0});
    if (loud) bursts.back().length = at + kFrame - bursts.back().start;
    inBurst = loud;
  }
  return bursts;
}

double MatchNear(const std::vector<int16_t>& recording, const Burst& burst, const std::vector<int16_t>& sound,
                 size_t length) {
  double best = 0;
  const size_t from = burst.start > 3 * kFrame ? burst.start - 3 * kFrame : 0;
  for (size_t at = from; at <= burst.start + 3 * kFrame && at + length <= recording.size(); ++at) {
    double both = 0, heard = 0, played = 0;
    for (size_t i = 0; i < length; ++i) {
      both += double(recording[at + i]) * sound[i];
      heard += double(recording[at + i]) * recording[at + i];
      played += double(sound[i]) * sound[i];
    }
    if (heard > 0 && played > 0) best = std::max(best, both / std::sqrt(heard * played));
  }
  return best;
}

size_t SoundLength(const std::vector<int16_t>& sound) {
  size_t end = sound.size();
  while (end > 0 && sound[end - 1] == 0) --end;
  return end;
}

}  // namespace vx::test
