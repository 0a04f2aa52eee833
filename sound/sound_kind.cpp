#include "sound/sound_kind.h"

#include <cstring>

namespace vx {
namespace {

bool HasTag(std::span<const uint8_t> bytes, size_t at, const char (&tag)[5]) {
  return bytes.size() >= at + 4 && std::memcmp(bytes.data() + at, tag, 4) == 0;
}

}  // namespace

SoundKind RecogniseSound(std::span<const uint8_t> bytes) {
  if (bytes.size() > 11 && HasTag(bytes, 0, "RIFF") && HasTag(bytes, 8, "WAVE")) return SoundKind::kWave;
  if (bytes.size() > 4 && HasTag(bytes, 0, "MThd")) return SoundKind::kMidi;
  return SoundKind::kUnknown;
}

}  // namespace vx
