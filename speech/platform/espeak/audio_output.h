// The outputs of the built-in engine: the audio device and WAV files. A voice's
// synthesis thread writes each item's audio into the output the item was queued
// for, outside eSpeak's lock; the voice's other threads only pause and resume it.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "speech/platform/speech_platform.h"

namespace vx::espeak {

// The engine's one audio format: 22050 Hz, 16-bit, mono PCM.
WAVEFORMATEX EngineFormat();
bool IsEngineFormat(const WAVEFORMATEX& format);

class AudioOutput : public OutputStream {
 public:
  explicit AudioOutput(const WAVEFORMATEX& format) : format_(format) {}
  HRESULT GetFormat(GUID* formatId, WAVEFORMATEX* format) override;
  const WAVEFORMATEX& Format() const { return format_; }

  // Called when an item is queued, so that an output that cannot work fails then.
  virtual HRESULT Open() { return S_OK; }
  // Takes samples, blocking while the output is full, until stop is set. False
  // when stopped or on failure.
  virtual bool Write(const int16_t* samples, size_t count, const std::atomic<bool>& stop) = 0;
  // Waits until all that was written has been played or stored, or stop is set.
  // False when the output failed.
  virtual bool Finish(const std::atomic<bool>& stop) = 0;
  // Drops what was written and not yet played.
  virtual void Discard() {}
  // Holds or continues playback; callable from any thread.
  virtual void SetPaused(bool) {}

 private:
  WAVEFORMATEX format_;
};

// Audio kept in memory for as long as the output lives.
class MemoryOutput : public AudioOutput {
 public:
  using AudioOutput::AudioOutput;
  bool Write(const int16_t* samples, size_t count, const std::atomic<bool>& stop) override;
  bool Finish(const std::atomic<bool>&) override { return true; }

 private:
  std::vector<int16_t> samples_;
};

}  // namespace vx::espeak
