// Plays WAV images on the wave-output device, each from a feeding thread of its
// own, any number at once. Every player of the process is in one list, so that
// all of them can be stopped together.
#pragma once

#include <windows.h>
// The wave-output functions (not in the lean windows.h).
#include <mmsystem.h>

#include <cstddef>
#include <cstdint>

namespace vx {

// The wave-output calls a player makes: the system's, or a test's own device.
struct WaveOutCalls {
  decltype(&waveOutOpen) open;
  decltype(&waveOutPrepareHeader) prepare;
  decltype(&waveOutUnprepareHeader) unprepare;
  decltype(&waveOutWrite) write;
  decltype(&waveOutPause) pause;
  decltype(&waveOutReset) reset;
  decltype(&waveOutClose) close;
};
const WaveOutCalls& SystemWaveOut();

// Starts playing a RIFF/WAVE image, once or again and again; true when a player
// was started. Refused, with nothing left behind: data that is not a playable WAV
// image, and a format that no wave-output device takes (none there, or not PCM
// and refused). The player copies the samples; bytes are only lent.
bool PlayWave(const uint8_t* bytes, size_t length, bool loop, const WaveOutCalls& device = SystemWaveOut());

// Asks every player of the process to stop; with wait, returns once all of their
// threads have ended.
void StopAllWaves(bool wait);

// Players that have not finished yet.
size_t PlayingWaveCount();

}  // namespace vx
