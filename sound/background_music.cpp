#include "sound/background_music.h"

#include <span>

#include "sound/sound_kind.h"
#include "sound/wave_player.h"

namespace vx {

bool BackgroundMusic::Start(const uint8_t* bytes, size_t length, int32_t mode) {
  Stop();
  if ((mode != music_play_mode::kLoop && mode != music_play_mode::kOnce) || !bytes) return false;
  const bool loop = mode == music_play_mode::kLoop;
  switch (RecogniseSound({bytes, length})) {
    case SoundKind::kWave:
      startedWave_ = PlayWave(bytes, length, loop);
      return startedWave_;
    case SoundKind::kMidi:
      return midi_.Load(bytes, length) && midi_.Play(loop);
    case SoundKind::kUnknown:
      break;
  }
  return false;
}

void BackgroundMusic::Stop() {
  if (startedWave_) StopAllWaves(false);
  startedWave_ = false;
  midi_.Stop();
}

void StopBackgroundSound() {
  StopAllWaves(true);
  StopAllMidiPlayers();
}

}  // namespace vx
