// Devices the players can be given instead of the system's: a wave-output device
// that takes buffers and never hands them back (or refuses them), and a MIDI
// stream that plays its buffers at once and keeps the events it was given.
#pragma once

#include <atomic>
#include <vector>

#include "sound/midi_player.h"
#include "sound/midi_sequence.h"
#include "sound/wave_player.h"

namespace vx::test {

// What the fake wave-output device was asked to do.
struct WaveOutRecord {
  std::atomic<int> opens, writes, pauses, resets, closes, prepared;
  std::atomic<bool> refuseWrites;
};
const WaveOutRecord& SilentWaveOutRecord();
void ClearSilentWaveOut(bool refuseWrites);
const WaveOutCalls& SilentWaveOut();

// What the fake MIDI stream played and how it was left.
struct MidiStreamRecord {
  std::vector<StreamEvent> played;
  DWORD division = 0;
  int opens = 0, closes = 0, prepared = 0, queued = 0;
};
// A copy, taken under the stream's lock.
MidiStreamRecord InstantMidiStreamRecord();
void ClearInstantMidiStream();
const MidiStreamCalls& InstantMidiStream();

}  // namespace vx::test
