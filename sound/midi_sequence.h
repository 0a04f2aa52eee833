// Plays a MIDI file's tracks as one MIDI stream: the tracks' events merged in time
// order and written as stream events (delta time, stream id 0, event word).
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "sound/midi_file.h"

namespace vx {

// The event word's top byte: what kind of stream event it is.
namespace stream_event {
inline constexpr uint32_t kShortMessage = 0x00000000;  // status | data1 << 8 | data2 << 16
inline constexpr uint32_t kTempo = 0x01000000;         // microseconds per quarter note
inline constexpr uint32_t kNop = 0x02000000;           // keeps its delta time, plays nothing
}  // namespace stream_event

struct StreamEvent {
  uint32_t delta;
  uint32_t streamId;
  uint32_t event;
};
static_assert(sizeof(StreamEvent) == 12);

class MidiSequence {
 public:
  // file must outlive the sequence.
  MidiSequence(const MidiFile& file, bool loop);

  // Writes whole stream events into out, in time order (ties go to the earlier
  // track), until out has no room for another or the file has ended; returns the
  // bytes written. Channel messages (with running status) become short messages,
  // tempo meta events tempo events, other meta and system-exclusive events no-ops
  // carrying their delta. A malformed event ends its track. At the end a looping
  // sequence starts again from the beginning, unless the file takes no time.
  size_t Fill(std::span<uint8_t> out);
  bool finished() const { return finished_; }

 private:
  struct Cursor {
    std::span<const uint8_t> data;
    size_t position = 0;
    uint64_t time = 0;  // of the pending event, in ticks from the start of the pass
    uint8_t runningStatus = 0;
    bool ended = false;
  };

  void Rewind();
  Cursor* Earliest();
  // The pending event of cursor as an event word, the cursor moved to the next one.
  std::optional<uint32_t> Take(Cursor& cursor);
  void ReadDelta(Cursor& cursor);

  const MidiFile& file_;
  bool loop_;
  std::vector<Cursor> cursors_;
  uint64_t lastTime_ = 0;
  bool finished_ = false;
};

}  // namespace vx
