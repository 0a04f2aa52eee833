// What a sound value holds, told by its first bytes.
#pragma once

#include <cstdint>
#include <span>

namespace vx {

enum class SoundKind { kUnknown, kWave, kMidi };

// WAV: more than 11 bytes, "RIFF" at 0 and "WAVE" at 8. MIDI: more than 4 bytes
// and "MThd" at 0.
SoundKind RecogniseSound(std::span<const uint8_t> bytes);

}  // namespace vx
