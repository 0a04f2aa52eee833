#include "speech/platform/espeak/audio_output.h"

#include "speech/platform/espeak/espeak_library.h"

namespace vx::espeak {

WAVEFORMATEX EngineFormat() {
  WAVEFORMATEX format{};
  format.wFormatTag = WAVE_FORMAT_PCM;
  format.nChannels = 1;
  format.nSamplesPerSec = kSampleRate;
  format.wBitsPerSample = 16;
  format.nBlockAlign = 2;
  format.nAvgBytesPerSec = kSampleRate * 2;
  return format;
}

bool IsEngineFormat(const WAVEFORMATEX& format) {
  return format.wFormatTag == WAVE_FORMAT_PCM && format.nChannels == 1 &&
         format.nSamplesPerSec == static_cast<DWORD>(kSampleRate) && format.wBitsPerSample == 16;
}

HRESULT AudioOutput::GetFormat(GUID* formatId, WAVEFORMATEX* format) {
  if (!formatId || !format) return E_POINTER;
  *formatId = kWaveFormatExFormatId;
  *format = format_;
  return S_OK;
}

bool MemoryOutput::Write(const int16_t* samples, size_t count, const std::atomic<bool>& stop) {
  if (stop) return false;
  samples_.insert(samples_.end(), samples, samples + count);
  return true;
}

}  // namespace vx::espeak
