// The reader's handlers: the nine bound in its window template, in the order of
// its handler table. The template binds each event by the byte offset of its
// handler's entry in that table, so the table lists them in exactly the order of
// ReaderHandler, one vx::ProgramHandler per slot, and the header's codeBase points
// at its first entry. Pure, so the template also builds natively.
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

// The handler table, in ReaderHandler order.
const vx::ProgramHandler* ReaderHandlers();

int64_t OnWindowCreated(const vx::EventArguments& arguments);
int64_t OnStartPauseClicked(const vx::EventArguments& arguments);
int64_t OnStopClicked(const vx::EventArguments& arguments);
int64_t OnSaveAsClicked(const vx::EventArguments& arguments);
int64_t OnVolumeChanged(const vx::EventArguments& arguments);
int64_t OnRateChanged(const vx::EventArguments& arguments);
int64_t OnVoiceChosen(const vx::EventArguments& arguments);
int64_t OnEditFocused(const vx::EventArguments& arguments);
int64_t OnSpeechFeedback(const vx::EventArguments& arguments);  // (event code, ignored)

// Returns once every pause and resume the start/pause button asked for was made;
// the exit routine waits here before the speech object goes.
void WaitForPauseAndResume();

}  // namespace voxlet
