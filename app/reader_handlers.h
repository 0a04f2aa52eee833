// The slots of the reader's handler table. The window template binds each event by
// the byte offset of its handler's entry in that table, so the table must list the
// handlers in exactly this order, one vx::ProgramHandler per slot, and the header's
// codeBase must point at its first entry.
#pragma once

#include <cstdint>

#include "contract/program.h"

namespace voxlet {

enum class ReaderHandler : int32_t {
  onWindowCreated,
  onStartPauseClicked,
  onStopClicked,
  onSaveAsClicked,
  onVolumeChanged,
  onRateChanged,
  onVoiceChosen,
  onEditFocused,
  onSpeechFeedback,
};

inline constexpr int32_t kReaderHandlerCount = 9;

// The handler reference a template binding stores for the slot.
constexpr int32_t HandlerOffset(ReaderHandler handler) {
  return static_cast<int32_t>(handler) * static_cast<int32_t>(sizeof(vx::ProgramHandler));
}

}  // namespace voxlet
