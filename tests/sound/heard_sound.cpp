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
// Zeros in a row that are silence, not a sound crossing zero.
constexpr size_t kSilentRun = 8;
constexpr size_t kLineUp = kSinkRate / 200;

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
  size_t quiet = kLongestHiccup;
  for (size_t at = 0; at + kFrame <= recording.size(); at += kFrame) {
    if (FrameRms(recording.data() + at, kFrame) <= kHeardRms) {
      quiet += kFrame;
      continue;
    }
    if (quiet >= kLongestHiccup) bursts.push_back({at, 0});
    bursts.back().length = at + kFrame - bursts.back().start;
    quiet = 0;
  }
  return bursts;
}

std::vector<int16_t> WithoutSilence(const std::vector<int16_t>& recording, const Burst& burst) {
  const size_t from = burst.start > kFrame ? burst.start - kFrame : 0;
  const size_t to = std::min(recording.size(), burst.start + burst.length + kFrame);
  std::vector<int16_t> heard;
  for (size_t at = from; at < to;) {
    size_t zeros = 0;
    while (at + zeros < to && recording[at + zeros] == 0) ++zeros;
    if (zeros == 0) {
      heard.push_back(recording[at++]);
      continue;
    }
    if (zeros < kSilentRun) heard.insert(heard.end(), zeros, 0);
    at += zeros;
  }
  return heard;
}

double Correlation(const std::vector<int16_t>& heard, const std::vector<int16_t>& sound, size_t length) {
  double best = 0;
  const ptrdiff_t lineUp = kLineUp;
  for (ptrdiff_t shift = -lineUp; shift <= lineUp; ++shift) {
    double both = 0, played = 0, recorded = 0;
    for (ptrdiff_t i = std::max<ptrdiff_t>(0, -shift); i < ptrdiff_t(length); ++i) {
      const double h = i + shift < ptrdiff_t(heard.size()) ? heard[i + shift] : 0;
      both += h * sound[i];
      recorded += h * h;
      played += double(sound[i]) * sound[i];
    }
    if (recorded > 0 && played > 0) best = std::max(best, both / std::sqrt(recorded * played));
  }
  return best;
}

size_t SoundLength(const std::vector<int16_t>& sound) {
  size_t end = sound.size();
  while (end > 0 && sound[end - 1] == 0) --end;
  return end;
}

}  // namespace vx::test
