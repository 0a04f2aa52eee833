// The mouse on the window as a user meets it: real presses, drags and wheel turns.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "tests/runtime/window_driving.h"

namespace vx {
namespace {

using test::Program;
using test::RecordLines;
using test::TempFile;
using Lines = std::vector<std::string>;

// The label of the drag scenarios: 160 x 40 at (20, 20) of the client area.
constexpr POINT kOnLabel = {60, 35};
// The window's own background, clear of the label.
constexpr POINT kOnBackground = {300, 200};

INPUT MouseInput(DWORD flags, POINT screen = {}, DWORD data = 0) {
  INPUT input = {};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags;
  input.mi.mouseData = data;
  if (flags & MOUSEEVENTF_ABSOLUTE) {
    input.mi.dx = MulDiv(screen.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = MulDiv(screen.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
  }
  return input;
}

void Send(INPUT input) {
  SendInput(1, &input, sizeof input);
  Sleep(30);
}

void MoveMouse(POINT screen) { Send(MouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, screen)); }

// Presses the left button at `from`, moves in steps to `to` and lets go.
void Drag(POINT from, POINT to) {
  MoveMouse(from);
  Send(MouseInput(MOUSEEVENTF_LEFTDOWN));
  Sleep(100);
  constexpr int kSteps = 10;
  for (int step = 1; step <= kSteps; ++step) {
    MoveMouse({from.x + (to.x - from.x) * step / kSteps, from.y + (to.y - from.y) * step / kSteps});
  }
  Sleep(100);
  Send(MouseInput(MOUSEEVENTF_LEFTUP));
  Sleep(300);
}

class WindowMouse : public ::testing::Test {
 protected:
  void Start(const wchar_t* scenario) {
    program_ = std::make_unique<Program>(L"window_program.exe", std::wstring(scenario) + L" \"" + record_.path() + L"\"");
    window_ = program_->WaitForWindow(test::kWindowUnitClass);
    ASSERT_NE(window_, nullptr);
    ASSERT_TRUE(test::FocusWindow(window_));
  }
  void TearDown() override {
    if (window_ && IsWindow(window_)) PostMessageW(window_, WM_CLOSE, 0, 0);
    if (program_) program_->WaitForExit(5000);
  }
  POINT OnScreen(POINT client) const {
    ClientToScreen(window_, &client);
    return client;
  }
  POINT TopLeft() const {
    RECT rect;
    GetWindowRect(window_, &rect);
    return {rect.left, rect.top};
  }
  // The window's top-left corner after dragging from a client point by (dx, dy).
  POINT DraggedFrom(POINT client, int dx, int dy) {
    POINT from = OnScreen(client);
    Drag(from, {from.x + dx, from.y + dy});
    return TopLeft();
  }
  Lines Only(const std::string& prefix) const {
    Lines kept;
    for (const std::string& line : RecordLines(record_)) {
      if (line.rfind(prefix, 0) == 0) kept.push_back(line);
    }
    return kept;
  }

  TempFile record_{L"vx_mouse"};
  std::unique_ptr<Program> program_;
  HWND window_ = nullptr;
};

TEST_F(WindowMouse, WithDragAnywhereAPressOnTheBackgroundMovesTheWindow) {
  Start(L"drag");
  POINT before = TopLeft();
  POINT after = DraggedFrom(kOnBackground, -60, 40);
  EXPECT_EQ(after.x, before.x - 60);
  EXPECT_EQ(after.y, before.y + 40);
  EXPECT_TRUE(Only("press ").empty()) << "the press went to the move, not to the window's LeftButtonDown";
}

TEST_F(WindowMouse, WithDragAnywhereAPressOnALabelMovesTheWindow) {
  Start(L"drag");
  POINT before = TopLeft();
  POINT after = DraggedFrom(kOnLabel, 50, 30);
  EXPECT_EQ(after.x, before.x + 50);
  EXPECT_EQ(after.y, before.y + 30);
}

TEST_F(WindowMouse, WithoutDragAnywhereTheWindowStaysWherePressesAreMade) {
  Start(L"no-drag");
  POINT before = TopLeft();
  POINT after = DraggedFrom(kOnBackground, -60, 40);
  EXPECT_EQ(after.x, before.x);
  EXPECT_EQ(after.y, before.y);
  after = DraggedFrom(kOnLabel, 50, 30);
  EXPECT_EQ(after.x, before.x);
  EXPECT_EQ(after.y, before.y);
  EXPECT_FALSE(Only("press ").empty()) << "the background's press raised LeftButtonDown instead";
}

TEST_F(WindowMouse, TheWheelReachesItsHandlerInNotches) {
  Start(L"no-drag");
  MoveMouse(OnScreen(kOnBackground));
  Send(MouseInput(MOUSEEVENTF_WHEEL, {}, static_cast<DWORD>(-2 * WHEEL_DELTA)));
  RecordLines(record_, "wheel -2 0", 2000);
  Send(MouseInput(MOUSEEVENTF_WHEEL, {}, WHEEL_DELTA));
  RecordLines(record_, "wheel 1 0", 2000);
  EXPECT_EQ(Only("wheel "), (Lines{"wheel -2 0", "wheel 1 0"}));
}

TEST_F(WindowMouse, TheWheelGivesTheModifiersHeld) {
  Start(L"no-drag");
  MoveMouse(OnScreen(kOnBackground));
  INPUT control = {};
  control.type = INPUT_KEYBOARD;
  control.ki.wVk = VK_CONTROL;
  Send(control);
  Send(MouseInput(MOUSEEVENTF_WHEEL, {}, static_cast<DWORD>(-WHEEL_DELTA)));
  control.ki.dwFlags = KEYEVENTF_KEYUP;
  Send(control);
  RecordLines(record_, "wheel -1 1", 2000);
  EXPECT_EQ(Only("wheel "), Lines{"wheel -1 1"});
}

}  // namespace
}  // namespace vx
