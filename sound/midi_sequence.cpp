#include "sound/midi_sequence.h"

#include <cstring>

namespace vx {
namespace {

constexpr uint8_t kSystemExclusive = 0xF0;
constexpr uint8_t kEscape = 0xF7;
constexpr uint8_t kMeta = 0xFF;
constexpr uint8_t kEndOfTrack = 0x2F;
constexpr uint8_t kSetTempo = 0x51;
constexpr size_t kTempoLength = 3;

// Data bytes that follow a channel status.
size_t DataBytes(uint8_t status) {
  const uint8_t kind = status & 0xF0;
  return kind == 0xC0 || kind == 0xD0 ? 1 : 2;
}

}  // namespace

MidiSequence::MidiSequence(const MidiFile& file, bool loop) : file_(file), loop_(loop) {
  cursors_.resize(file.trackCount());
  Rewind();
}

void MidiSequence::Rewind() {
  for (size_t i = 0; i < cursors_.size(); ++i) {
    cursors_[i] = Cursor{file_.Track(i)};
    cursors_[i].ended = cursors_[i].data.empty();
    if (!cursors_[i].ended) ReadDelta(cursors_[i]);
  }
  lastTime_ = 0;
}

void MidiSequence::ReadDelta(Cursor& cursor) {
  if (cursor.position == cursor.data.size()) {
    cursor.ended = true;
    return;
  }
  const std::optional<uint32_t> delta = ReadVariableLength(cursor.data, cursor.position);
  if (delta)
    cursor.time += *delta;
  else
    cursor.ended = true;
}

MidiSequence::Cursor* MidiSequence::Earliest() {
  Cursor* earliest = nullptr;
  for (Cursor& cursor : cursors_) {
    if (!cursor.ended && (!earliest || cursor.time < earliest->time)) earliest = &cursor;
  }
  return earliest;
}

std::optional<uint32_t> MidiSequence::Take(Cursor& cursor) {
  std::span<const uint8_t> data = cursor.data;
  size_t& at = cursor.position;
  auto malformed = [&cursor] {
    cursor.ended = true;
    return std::nullopt;
  };
  if (at == data.size()) return malformed();
  uint8_t status = data[at];
  uint32_t word = stream_event::kNop;
  if (status < 0x80) {
    // Running status: the byte is the first data byte of a message like the last.
    if (!cursor.runningStatus) return malformed();
    status = cursor.runningStatus;
  } else {
    ++at;
  }
  if (status < kSystemExclusive) {
    const size_t count = DataBytes(status);
    if (data.size() - at < count) return malformed();
    word = stream_event::kShortMessage | status | (data[at] & 0x7Fu) << 8;
    if (count == 2) word |= (data[at + 1] & 0x7Fu) << 16;
    at += count;
    cursor.runningStatus = status;
  } else if (status == kSystemExclusive || status == kEscape || status == kMeta) {
    uint8_t type = 0;
    if (status == kMeta) {
      if (at == data.size()) return malformed();
      type = data[at++];
    }
    const std::optional<uint32_t> length = ReadVariableLength(data, at);
    if (!length || *length > data.size() - at) return malformed();
    if (status == kMeta && type == kSetTempo && *length >= kTempoLength) {
      word = stream_event::kTempo | uint32_t{data[at]} << 16 | data[at + 1] << 8 | data[at + 2];
    }
    at += *length;
    if (status == kMeta && type == kEndOfTrack) {
      cursor.ended = true;
      return word;
    }
  } else {
    return malformed();
  }
  ReadDelta(cursor);
  return word;
}

size_t MidiSequence::Fill(std::span<uint8_t> out) {
  size_t written = 0;
  while (!finished_ && out.size() - written >= sizeof(StreamEvent)) {
    Cursor* cursor = Earliest();
    if (!cursor) {
      // A file that takes no time would loop without end, all at once.
      if (loop_ && lastTime_ > 0) {
        Rewind();
        continue;
      }
      finished_ = true;
      break;
    }
    const uint64_t time = cursor->time;
    const std::optional<uint32_t> word = Take(*cursor);
    if (!word) continue;
    const StreamEvent event{static_cast<uint32_t>(time - lastTime_), 0, *word};
    lastTime_ = time;
    std::memcpy(out.data() + written, &event, sizeof event);
    written += sizeof event;
  }
  return written;
}

}  // namespace vx
