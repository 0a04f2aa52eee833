// What the look does with a message to a window it has taken over: the action
// tables by kind and the state update common to all kinds.
#pragma once

#include <windows.h>

#include <cstdint>

#include "commands/control_look/looked_control.h"

namespace vx::look {

// The steps of an action, run in this order when their bits are set.
namespace step {
constexpr uint32_t kCallPrevious = 0x20000;
constexpr uint32_t kCallDefault = 0x40000;
constexpr uint32_t kPaint = 0x80000;
constexpr uint32_t kCallPreviousAfter = 0x100000;  // when not called before painting
constexpr uint32_t kCallDefaultAfter = 0x200000;   // when not called before painting
constexpr uint32_t kReturnLowWord = 0x800000;      // the result is the action's low 16 bits
}  // namespace step

// Finds the action for the control's kind and the message, makes the state
// changes it names (the common update's too, where that runs) and returns its
// step bits.
uint32_t TakeAction(LookedControl& control, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace vx::look
