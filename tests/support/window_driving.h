// Driving the test window program as a user would: real key and mouse input to
// its window, the focus as its thread sees it, and the lines it records; and the
// one fixture the keyboard, mouse and looks scenarios share.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "tests/support/process_driver.h"
#include "tests/support/user_input.h"

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
std::vector<std::string> RecordLines(const TempFile& record, const std::string& until = "", DWORD timeoutMs = 5000);

// Mouse input at screen points (one input at a time: SendOneInput of user_input.h).
void MoveMouse(POINT screen);
// Presses the left button at `from`, moves in steps to `to` and lets go.
void Drag(POINT from, POINT to);

// The window program started in one scenario, its window in front with our input
// attached; closed at the end of the test.
class WindowScenario : public ::testing::Test {
 protected:
  void Start(const wchar_t* scenario);
  void TearDown() override;

  // The control id of the focus once it is `expected` (or wherever it is later).
  int FocusedId(int expected) const { return WaitForFocus(window_, expected); }
  // Whether the line was recorded, waiting for it a while.
  bool Recorded(const std::string& line) const;
  // The recorded lines that begin with the prefix.
  std::vector<std::string> Only(const std::string& prefix) const;
  POINT OnScreen(POINT client) const;
  POINT TopLeft() const;

  TempFile record_{L"vx_window"};
  std::unique_ptr<Program> program_;
  HWND window_ = nullptr;
};

}  // namespace vx::test
