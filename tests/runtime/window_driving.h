// Driving the test window program as a user would: real key input to its window,
// the focus as its thread sees it, and the lines it records.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "tests/support/process_driver.h"

namespace vx::test {

// The window class of the window unit.
inline constexpr wchar_t kWindowUnitClass[] = L"QRWindow";

// Brings the window to the foreground with its thread's input attached to ours,
// so that key input reaches it.
bool FocusWindow(HWND window);
// Presses and releases the keys in order through SendInput, holding the
// modifiers given first until the last key went up.
void PressKeys(const std::vector<WORD>& modifiers, WORD key);

// The window holding the keyboard focus in the window's thread.
HWND FocusOf(HWND window);
// The control id of the focus once it is `expected`, or of wherever it is after
// timeoutMs: key input is taken by the program a little later.
int WaitForFocus(HWND window, int expected, DWORD timeoutMs = 2000);

// The record file's lines, waiting up to timeoutMs until one equals `until`.
std::vector<std::string> RecordLines(const TempFile& record, const std::string& until = "",
                                     DWORD timeoutMs = 5000);

}  // namespace vx::test
