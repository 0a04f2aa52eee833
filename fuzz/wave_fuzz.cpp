// libFuzzer target: arbitrary bytes read as a WAV image. Reading either refuses or
// gives a format image whose extra-byte count is what follows it, and whole sample
// frames that lie inside the input.
#include <cstddef>
#include <cstdint>

#include "sound/wave_data.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::optional<vx::WaveData> wave = vx::ReadWaveData({data, size});
  if (!wave) return 0;
  const std::vector<uint8_t>& format = wave->format;
  if (format.size() < vx::kWaveFormatSize) __builtin_trap();
  if (size_t(format[16] | format[17] << 8) != format.size() - vx::kWaveFormatSize) __builtin_trap();
  if (wave->samples.empty() || wave->samples.data() < data ||
      wave->samples.data() + wave->samples.size() > data + size) {
    __builtin_trap();
  }
  const size_t blockAlign = format[12] | format[13] << 8;
  if (blockAlign > 1 && wave->samples.size() % blockAlign) __builtin_trap();
  return 0;
}
