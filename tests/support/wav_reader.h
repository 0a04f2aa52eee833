// Reads back the WAV files the engine writes, for checks on format and content.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vx::test {

struct WavFile {
  bool valid = false;  // RIFF/WAVE with a PCM fmt chunk and a data chunk
  uint16_t channels = 0;
  uint32_t sampleRate = 0;
  uint16_t bitsPerSample = 0;
  std::vector<int16_t> samples;  // 16-bit data only

  double Seconds() const { return sampleRate ? double(samples.size()) / sampleRate : 0; }
  double Rms() const;
};

WavFile ReadWav(const std::wstring& path);

}  // namespace vx::test
