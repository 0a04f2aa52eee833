// A standard MIDI file read for playing: its header and where each track's events
// lie. The file keeps its own copy of the bytes.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace vx {

class MidiFile {
 public:
  // Refused: no "MThd", a header length other than 6, no tracks, a time division
  // of 0, a track that does not start with "MTrk" or runs past the end of the
  // bytes, or a track whose first delta time cannot be read.
  static std::optional<MidiFile> Read(std::span<const uint8_t> bytes);

  uint16_t format() const { return format_; }
  // Ticks per quarter note, or the SMPTE form when the top bit is set; the MIDI
  // stream takes it as it is.
  uint16_t division() const { return division_; }
  size_t trackCount() const { return tracks_.size(); }
  // The events of one track, after its chunk header.
  std::span<const uint8_t> Track(size_t index) const;

 private:
  struct TrackChunk {
    size_t offset;
    size_t length;
  };

  std::vector<uint8_t> bytes_;
  uint16_t format_ = 0;
  uint16_t division_ = 0;
  std::vector<TrackChunk> tracks_;
};

// Reads a variable-length quantity (at most four bytes, seven bits each) at
// position and moves past it; nothing when it is cut off or longer.
std::optional<uint32_t> ReadVariableLength(std::span<const uint8_t> bytes, size_t& position);

}  // namespace vx
