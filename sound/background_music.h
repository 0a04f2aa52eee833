// A window's background music: its sound value played by its play mode, WAV
// images through the process's WAV players and MIDI files through the window's
// own MIDI player.
#pragma once

#include <cstddef>
#include <cstdint>

#include "sound/midi_player.h"

namespace vx {

// Play modes of a window's music.
namespace music_play_mode {
inline constexpr int32_t kLoop = 0;
inline constexpr int32_t kOnce = 1;
inline constexpr int32_t kNone = 2;
}  // namespace music_play_mode

class BackgroundMusic {
 public:
  BackgroundMusic() = default;
  // The window goes: its music stops.
  ~BackgroundMusic() { Stop(); }
  BackgroundMusic(const BackgroundMusic&) = delete;
  BackgroundMusic& operator=(const BackgroundMusic&) = delete;

  // Stops the music first, then plays the sound by mode: looping, once, or not
  // at all. True when something started; data that is neither a playable WAV
  // image nor a MIDI file plays nothing.
  bool Start(const uint8_t* bytes, size_t length, int32_t mode);
  // WAV music stops every WAV being played in the process (without waiting for
  // them); MIDI music stops this window's MIDI player.
  void Stop();

 private:
  MidiPlayer midi_;
  bool startedWave_ = false;
};

// The runtime's clean-up: every WAV player of the process stops and has ended
// when this returns, and so has every MIDI player.
void StopBackgroundSound();

}  // namespace vx
