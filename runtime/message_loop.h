// The runtime's message loop: the main loop of RunMessageLoop and the loop of a
// modal window, with idle time for the IdleCallbacks and the windows' Idle event.
#pragma once

#include <cstdint>

namespace vx {

namespace loop_mode {
constexpr int kMain = 0;
constexpr int kModal = 1;  // ends when the modal window id becomes 0
}  // namespace loop_mode

void RunLoop(int mode);

// Helper-table operation: marks the loop started and runs the main loop when at
// least one window is loaded.
void RunMessageLoop();

// RuntimeNotify 1012 and 1013. The record holds window handle, routine, parameter.
void RegisterIdleCallback(const void* record);
void RemoveIdleCallback(void* window);

}  // namespace vx
