// Fatal runtime errors. They never return: the error box is shown, the exit
// routines are dropped and the process ends with exit code -1.
#pragma once

#include <string>

namespace vx {

// The runtime's own report, used by every source other than compiled code (code 0
// with a message of the runtime's, or a library's message through RuntimeNotify 2027).
[[noreturn]] void RaiseRuntimeError(const char* message, int code);
// Compiled code's numbered errors, 1 to 11.
[[noreturn]] void ReportRuntimeError(int code);

// The message of a numbered error, or null outside 1 to 11.
const char* NumberedErrorMessage(int code);
// The text of the error box: heading, optional code line, optional message line.
std::string FormatRuntimeErrorText(const char* message, int code);

}  // namespace vx
