// Fatal runtime errors. They never return. A program installs how they are
// reported when it starts (the runtime's start-up installs the error box, which
// drops the exit routines and ends the process with exit code -1; a test installs
// one that throws).
#pragma once

#include <string>

namespace vx {

// Reports a fatal error and ends the program; it must not return.
using RuntimeErrorReport = void (*)(const char* message, int code);
void InstallRuntimeErrorReport(RuntimeErrorReport report);

// The runtime's own report, used by every source other than compiled code (code 0
// with a message of the runtime's, or a library's message through RuntimeNotify
// 2027). With no report installed, or one that returns, the text goes to stderr
// and the process aborts.
[[noreturn]] void RaiseRuntimeError(const char* message, int code);
// Compiled code's numbered errors, 1 to 11.
[[noreturn]] void ReportRuntimeError(int code);

// The error box: caption "错误", the formatted text, then the end of the program
// without its exit routines. The report the runtime's start-up installs.
[[noreturn]] void ShowRuntimeErrorBox(const char* message, int code);

// The message of a numbered error, or null outside 1 to 11.
const char* NumberedErrorMessage(int code);
// The text of the error box: heading, optional code line, optional message line.
std::string FormatRuntimeErrorText(const char* message, int code);

}  // namespace vx
