// libFuzzer target: arbitrary bytes read as a MIDI file. What reads is played
// through as stream events, once and looping for a while: every fill holds whole
// events of the three kinds, each delta within a file's reach, and playing once
// comes to an end.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "sound/midi_file.h"
#include "sound/midi_sequence.h"

namespace {

constexpr size_t kStreamBuffer = 1024;
constexpr uint32_t kLongestDelta = 0x0FFFFFFF;
constexpr int kLoopFills = 16;

void CheckEvents(const uint8_t* bytes, size_t count) {
  if (count % sizeof(vx::StreamEvent)) __builtin_trap();
  for (size_t at = 0; at < count; at += sizeof(vx::StreamEvent)) {
    vx::StreamEvent event;
    std::memcpy(&event, bytes + at, sizeof event);
    const uint32_t kind = event.event & 0xFF000000;
    if (event.streamId != 0 || event.delta > kLongestDelta) __builtin_trap();
    if (kind != vx::stream_event::kShortMessage && kind != vx::stream_event::kTempo && kind != vx::stream_event::kNop) {
      __builtin_trap();
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::optional<vx::MidiFile> file = vx::MidiFile::Read({data, size});
  if (!file) return 0;
  std::vector<uint8_t> buffer(kStreamBuffer);

  vx::MidiSequence once(*file, false);
  // Every event takes at least one byte of a track: the file ends within that many fills.
  for (size_t fills = 0; !once.finished(); ++fills) {
    if (fills > size) __builtin_trap();
    CheckEvents(buffer.data(), once.Fill(buffer));
  }

  vx::MidiSequence looping(*file, true);
  for (int i = 0; i < kLoopFills && !looping.finished(); ++i) CheckEvents(buffer.data(), looping.Fill(buffer));
  return 0;
}
