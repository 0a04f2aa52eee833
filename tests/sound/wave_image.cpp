#include "tests/sound/wave_image.h"

#include "runtime/framework/archive_writer.h"

namespace vx::test {
namespace {

std::span<const uint8_t> Tag(const std::string& id) { return {reinterpret_cast<const uint8_t*>(id.data()), 4}; }

}  // namespace

std::vector<uint8_t> RiffWave(const std::vector<RiffChunk>& chunks, std::optional<uint32_t> riffSize) {
  ArchiveWriter body;
  body.Bytes(Tag("WAVE"));
  for (const RiffChunk& chunk : chunks) {
    body.Bytes(Tag(chunk.id)).U32(chunk.claimedSize.value_or(static_cast<uint32_t>(chunk.body.size())));
    body.Bytes(chunk.body);
    if (!chunk.claimedSize && chunk.body.size() % 2) body.Bytes(std::vector<uint8_t>{0});
  }
  const std::vector<uint8_t> bytes = body.Take();
  return ArchiveWriter()
      .Bytes(Tag("RIFF"))
      .U32(riffSize.value_or(static_cast<uint32_t>(bytes.size())))
      .Bytes(bytes)
      .Take();
}

std::vector<uint8_t> PcmFormat(uint16_t channels, uint32_t rate, uint16_t bits) {
  const uint16_t blockAlign = static_cast<uint16_t>(channels * bits / 8);
  return ArchiveWriter().U16(1).U16(channels).U32(rate).U32(rate * blockAlign).U16(blockAlign).U16(bits).Take();
}

std::vector<uint8_t> SampleBytes(const std::vector<int16_t>& samples) {
  ArchiveWriter out;
  for (int16_t sample : samples) out.I16(sample);
  return out.Take();
}

std::vector<uint8_t> PcmWave(const std::vector<int16_t>& samples, uint32_t rate, uint16_t channels) {
  return RiffWave({{"fmt ", PcmFormat(channels, rate, 16)}, {"data", SampleBytes(samples)}});
}

}  // namespace vx::test
