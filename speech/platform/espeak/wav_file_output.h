// A RIFF/WAVE file that speech is rendered into. The header's sizes are brought
// up to date after every item and when the last reference closes the file.
#pragma once

#include <memory>

#include "speech/platform/espeak/audio_output.h"

namespace vx::espeak {

class WavFileOutput : public AudioOutput {
 public:
  // Creates the file (kFileModeCreateAlways replaces one that exists). Only PCM
  // formats are written.
  static HRESULT Create(const wchar_t* path, int fileMode, const WAVEFORMATEX& format,
                        std::shared_ptr<WavFileOutput>* output);
  ~WavFileOutput() override;

  bool Write(const int16_t* samples, size_t count, const std::atomic<bool>& stop) override;
  bool Finish(const std::atomic<bool>& stop) override;

 private:
  WavFileOutput(HANDLE file, const WAVEFORMATEX& format);
  bool WriteHeader();

  HANDLE file_;
  uint32_t dataBytes_ = 0;
  bool failed_ = false;
};

}  // namespace vx::espeak
