#include "sound/wave_data.h"

#include <algorithm>
#include <cstring>

#include "runtime/framework/archive_reader.h"
#include "sound/sound_kind.h"

namespace vx {
namespace {

// The smallest image that can hold the RIFF header, a chunk header and a PCM format.
constexpr size_t kSmallestWave = 36;
// The fields of a PCM format, up to and including the bits per sample.
constexpr size_t kPcmFormatSize = 16;
constexpr size_t kChunkHeaderSize = 8;
constexpr size_t kBlockAlignOffset = 12;

bool IsChunk(std::span<const uint8_t> id, const char (&name)[5]) { return std::memcmp(id.data(), name, 4) == 0; }

std::vector<uint8_t> FormatImage(std::span<const uint8_t> chunk) {
  std::vector<uint8_t> image(chunk.begin(), chunk.begin() + kPcmFormatSize);
  size_t extra = 0;
  if (chunk.size() >= kWaveFormatSize) {
    extra = std::min<size_t>(chunk[16] | chunk[17] << 8, chunk.size() - kWaveFormatSize);
  }
  image.push_back(static_cast<uint8_t>(extra));
  image.push_back(static_cast<uint8_t>(extra >> 8));
  image.insert(image.end(), chunk.begin() + kWaveFormatSize, chunk.begin() + kWaveFormatSize + extra);
  return image;
}

}  // namespace

std::optional<WaveData> ReadWaveData(std::span<const uint8_t> bytes) {
  if (bytes.size() < kSmallestWave || RecogniseSound(bytes) != SoundKind::kWave) return std::nullopt;
  ArchiveReader header(bytes.subspan(4, 4));
  const uint64_t riffEnd = std::min<uint64_t>(uint64_t{kChunkHeaderSize} + header.U32(), bytes.size());

  std::optional<std::span<const uint8_t>> format, samples;
  uint64_t offset = 12;
  while (offset + kChunkHeaderSize <= riffEnd && !(format && samples)) {
    ArchiveReader chunk(bytes.subspan(offset));
    std::span<const uint8_t> id = chunk.Bytes(4);
    const uint32_t size = chunk.U32();
    const size_t present = std::min<size_t>(size, chunk.remaining());
    if (IsChunk(id, "fmt ") && !format) {
      if (size < kPcmFormatSize || present < size) return std::nullopt;
      format = chunk.Bytes(size);
    } else if (IsChunk(id, "data") && !samples) {
      samples = chunk.Bytes(present);
    }
    offset += kChunkHeaderSize + uint64_t{size} + (size & 1);
  }
  if (!format || !samples) return std::nullopt;

  WaveData wave{FormatImage(*format), *samples};
  const size_t blockAlign = wave.format[kBlockAlignOffset] | wave.format[kBlockAlignOffset + 1] << 8;
  if (blockAlign > 1) wave.samples = wave.samples.first(wave.samples.size() / blockAlign * blockAlign);
  if (wave.samples.empty()) return std::nullopt;
  return wave;
}

}  // namespace vx
