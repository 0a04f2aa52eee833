#include "sound/midi_file.h"

#include <cstring>

namespace vx {
namespace {

constexpr uint32_t kHeaderLength = 6;
constexpr size_t kChunkHeaderSize = 8;
constexpr size_t kLongestVariableLength = 4;

uint16_t BigEndian16(const uint8_t* p) { return static_cast<uint16_t>(p[0] << 8 | p[1]); }
uint32_t BigEndian32(const uint8_t* p) { return static_cast<uint32_t>(p[0]) << 24 | p[1] << 16 | p[2] << 8 | p[3]; }

// The chunk of the given id at offset: its body, or nothing when the id differs or
// the body does not fit.
std::optional<std::span<const uint8_t>> Chunk(std::span<const uint8_t> bytes, size_t offset, const char (&id)[5]) {
  if (offset > bytes.size() || bytes.size() - offset < kChunkHeaderSize ||
      std::memcmp(bytes.data() + offset, id, 4) != 0)
    return std::nullopt;
  const uint32_t length = BigEndian32(bytes.data() + offset + 4);
  if (length > bytes.size() - offset - kChunkHeaderSize) return std::nullopt;
  return bytes.subspan(offset + kChunkHeaderSize, length);
}

}  // namespace

std::optional<uint32_t> ReadVariableLength(std::span<const uint8_t> bytes, size_t& position) {
  uint32_t value = 0;
  for (size_t i = 0; i < kLongestVariableLength && position < bytes.size(); ++i) {
    const uint8_t byte = bytes[position++];
    value = value << 7 | (byte & 0x7F);
    if (!(byte & 0x80)) return value;
  }
  return std::nullopt;
}

std::optional<MidiFile> MidiFile::Read(std::span<const uint8_t> bytes) {
  const std::optional<std::span<const uint8_t>> header = Chunk(bytes, 0, "MThd");
  if (!header || header->size() != kHeaderLength) return std::nullopt;
  MidiFile file;
  file.format_ = BigEndian16(header->data());
  const uint16_t trackCount = BigEndian16(header->data() + 2);
  file.division_ = BigEndian16(header->data() + 4);
  if (trackCount == 0 || file.division_ == 0) return std::nullopt;

  size_t offset = kChunkHeaderSize + kHeaderLength;
  for (uint16_t i = 0; i < trackCount; ++i) {
    const std::optional<std::span<const uint8_t>> track = Chunk(bytes, offset, "MTrk");
    if (!track) return std::nullopt;
    size_t position = 0;
    if (!track->empty() && !ReadVariableLength(*track, position)) return std::nullopt;
    file.tracks_.push_back({offset + kChunkHeaderSize, track->size()});
    offset += kChunkHeaderSize + track->size();
  }
  file.bytes_.assign(bytes.begin(), bytes.begin() + offset);
  return file;
}

std::span<const uint8_t> MidiFile::Track(size_t index) const {
  return std::span<const uint8_t>(bytes_).subspan(tracks_[index].offset, tracks_[index].length);
}

}  // namespace vx
