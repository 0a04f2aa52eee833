// Plays a standard MIDI file through a MIDI stream on the MIDI mapper: two stream
// buffers, refilled from the stream's callback as each comes back.
#pragma once

#include <windows.h>
// The MIDI stream functions (not in the lean windows.h).
#include <mmsystem.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <optional>

#include "sound/midi_file.h"
#include "sound/midi_sequence.h"

namespace vx {

// The MIDI stream calls a player makes: the system's, or a test's own device.
struct MidiStreamCalls {
  decltype(&midiStreamOpen) open;
  decltype(&midiStreamProperty) property;
  decltype(&midiOutPrepareHeader) prepare;
  decltype(&midiOutUnprepareHeader) unprepare;
  decltype(&midiStreamOut) out;
  decltype(&midiStreamRestart) restart;
  decltype(&midiStreamStop) stop;
  decltype(&midiOutReset) reset;
  decltype(&midiStreamClose) close;
};
const MidiStreamCalls& SystemMidiStream();

class MidiPlayer {
 public:
  explicit MidiPlayer(const MidiStreamCalls& device = SystemMidiStream());
  ~MidiPlayer();
  MidiPlayer(const MidiPlayer&) = delete;
  MidiPlayer& operator=(const MidiPlayer&) = delete;

  // Stops, then reads the file; true when its header and all its tracks were read.
  bool Load(const uint8_t* bytes, size_t length);
  // Stops, then plays the loaded file from its start, once or again and again;
  // false, with nothing left open, when there is no file or no MIDI stream.
  bool Play(bool loop);
  // Stops the stream and waits up to 2000 ms for its buffers, then closes it.
  void Stop();
  // Started and not yet at its end or stopped.
  bool playing() const;

 private:
  enum class State { kStopped, kPlaying, kStopping };
  static constexpr size_t kBufferBytes = 1024;

  static void CALLBACK StreamCallback(HMIDIOUT, UINT message, DWORD_PTR instance, DWORD_PTR header, DWORD_PTR);
  void BufferDone(MIDIHDR& header);
  // Fills header with the next events and queues it; false when nothing is left.
  bool Refill(MIDIHDR& header);

  const MidiStreamCalls& calls_;
  std::optional<MidiFile> file_;
  std::optional<MidiSequence> sequence_;
  std::array<std::array<uint8_t, kBufferBytes>, 2> buffers_{};
  std::array<MIDIHDR, 2> headers_{};
  mutable std::mutex lock_;  // guards everything below, shared with the callback
  HMIDISTRM stream_ = nullptr;
  State state_ = State::kStopped;
  int queued_ = 0;
  HANDLE done_;  // set while no buffer is queued
};

// Stops every MIDI player of the process.
void StopAllMidiPlayers();

}  // namespace vx
