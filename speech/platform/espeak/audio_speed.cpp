#include "speech/platform/espeak/audio_speed.h"

#include <sonic.h>

#include <new>

namespace vx::espeak {

AudioSpeed::AudioSpeed(int sampleRate, double speed) : stream_(sonicCreateStream(sampleRate, 1)) {
  if (!stream_) throw std::bad_alloc();
  sonicSetSpeed(stream_, static_cast<float>(speed));
}

AudioSpeed::~AudioSpeed() { sonicDestroyStream(stream_); }

void AudioSpeed::Apply(std::vector<int16_t>* pcm, bool last) {
  if (!pcm->empty() && !sonicWriteShortToStream(stream_, pcm->data(), static_cast<int>(pcm->size()))) {
    throw std::bad_alloc();
  }
  if (last) sonicFlushStream(stream_);
  pcm->resize(static_cast<size_t>(sonicSamplesAvailable(stream_)));
  if (!pcm->empty()) {
    int read = sonicReadShortFromStream(stream_, pcm->data(), static_cast<int>(pcm->size()));
    pcm->resize(static_cast<size_t>(read > 0 ? read : 0));
  }
}

}  // namespace vx::espeak
