#include "tests/sound/sound_images.h"

#include "runtime/framework/archive_writer.h"

namespace vx::test {
namespace {

std::span<const uint8_t> Tag(const std::string& id) { return {reinterpret_cast<const uint8_t*>(id.data()), 4}; }

void BigEndian(std::vector<uint8_t>& out, uint32_t value, int bytes) {
  for (int shift = 8 * (bytes - 1); shift >= 0; shift -= 8) out.push_back(static_cast<uint8_t>(value >> shift));
}

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

std::vector<uint8_t> MidiImage(uint16_t format, uint16_t division, const std::vector<std::vector<uint8_t>>& tracks) {
  std::vector<uint8_t> out = {'M', 'T', 'h', 'd'};
  BigEndian(out, 6, 4);
  BigEndian(out, format, 2);
  BigEndian(out, static_cast<uint32_t>(tracks.size()), 2);
  BigEndian(out, division, 2);
  for (const std::vector<uint8_t>& track : tracks) {
    out.insert(out.end(), {'M', 'T', 'r', 'k'});
    BigEndian(out, static_cast<uint32_t>(track.size()), 4);
    out.insert(out.end(), track.begin(), track.end());
  }
  return out;
}

std::vector<uint8_t> MidiNotes(size_t count, uint8_t channel, uint8_t ticks) {
  std::vector<uint8_t> track;
  bool statusNeeded = true;
  for (size_t i = 0; i < count; ++i) {
    const uint8_t note = static_cast<uint8_t>(48 + i % 24);
    track.push_back(0);
    if (statusNeeded) track.push_back(static_cast<uint8_t>(0x90 | channel));
    statusNeeded = false;
    track.insert(track.end(), {note, 100, ticks, note, 0});
    if (i % 16 == 15) {
      track.insert(track.end(), {0, 0xFF, 0x51, 3, 0x07, 0xA1, static_cast<uint8_t>(i)});
      statusNeeded = true;
    }
  }
  track.insert(track.end(), {0, 0xFF, 0x2F, 0});
  return track;
}

}  // namespace vx::test
