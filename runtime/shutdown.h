#pragma once

namespace vx {

// Sent to the hidden owner by a clean-up started on another thread; wParam is the
// exit code. The GUI thread then cleans up and ends the process.
constexpr unsigned kExitRequestMessage = 0x83E7;

// The clean-up of the normal end and of ExitProgram. From another thread it hands
// the exit to the GUI thread instead.
void RunCleanup(int exitCode);

}  // namespace vx
