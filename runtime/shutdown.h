// The end of the program: the clean-up that the normal end, ExitProgram and the
// runtime error report all run.
#pragma once

#include <cstdint>

namespace vx {

// Sent to the hidden owner by a clean-up started on another thread; wParam is the
// exit code, lParam non-zero when no exit routine may run. The GUI thread then
// cleans up and ends the process.
constexpr unsigned kExitRequestMessage = 0x83E7;

enum class ExitRoutines { kRun, kDrop };

// The clean-up, on the GUI thread; from another thread it hands the exit to the
// GUI thread instead (exit routines included, so only the GUI thread touches them).
void RunCleanup(int exitCode, ExitRoutines routines = ExitRoutines::kRun);

// The clean-up, then the process ends with the code.
[[noreturn]] void EndProgram(int exitCode, ExitRoutines routines);

}  // namespace vx
