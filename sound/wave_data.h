// The two chunks of a RIFF/WAVE image that playing it needs: the sample format and
// the sample bytes.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace vx {

// Size of a WAVEFORMATEX without extra bytes.
inline constexpr size_t kWaveFormatSize = 18;

struct WaveData {
  // A WAVEFORMATEX image: the fmt chunk's first 16 bytes, then the count of extra
  // bytes and those extra bytes, as many as the chunk really holds.
  std::vector<uint8_t> format;
  // The data chunk's bytes that are present, in whole sample frames.
  std::span<const uint8_t> samples;

  uint16_t formatTag() const { return static_cast<uint16_t>(format[0] | format[1] << 8); }
};

// Walks the chunks from offset 12 to the end of the RIFF chunk (or of the bytes,
// when they end first), padding odd-sized chunks as RIFF does, and stops once the
// first "fmt " and the first "data" chunk are both known, in either order. A data
// chunk cut short by the end of the bytes gives the bytes that are there. Refused:
// 35 bytes or less, no "RIFF"/"WAVE" tags, no fmt chunk of at least 16 bytes, no
// data chunk, or no whole sample frame.
std::optional<WaveData> ReadWaveData(std::span<const uint8_t> bytes);

}  // namespace vx
