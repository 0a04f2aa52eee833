// The mouse on the window as a user meets it: real presses, drags and wheel turns.
#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "tests/support/window_driving.h"

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

class WindowMouse : public test::WindowScenario {
 protected:
  // The window's top-left corner after dragging from a client point by (dx, dy).
  POINT DraggedFrom(POINT client, int dx, int dy) {
    POINT from = OnScreen(client);
    test::Drag(from, {from.x + dx, from.y + dy});
    return TopLeft();
  }
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
  test::MoveMouse(OnScreen(kOnBackground));
  test::SendOneInput(test::MouseInput(MOUSEEVENTF_WHEEL, {}, static_cast<DWORD>(-2 * WHEEL_DELTA)));
  RecordLines(record_, "wheel -2 0", 2000);
  test::SendOneInput(test::MouseInput(MOUSEEVENTF_WHEEL, {}, WHEEL_DELTA));
  RecordLines(record_, "wheel 1 0", 2000);
  EXPECT_EQ(Only("wheel "), (Lines{"wheel -2 0", "wheel 1 0"}));
}

TEST_F(WindowMouse, TheWheelGivesTheModifiersHeld) {
  Start(L"no-drag");
  test::MoveMouse(OnScreen(kOnBackground));
  INPUT control = {};
  control.type = INPUT_KEYBOARD;
  control.ki.wVk = VK_CONTROL;
  test::SendOneInput(control);
  test::SendOneInput(test::MouseInput(MOUSEEVENTF_WHEEL, {}, static_cast<DWORD>(-WHEEL_DELTA)));
  control.ki.dwFlags = KEYEVENTF_KEYUP;
  test::SendOneInput(control);
  RecordLines(record_, "wheel -1 1", 2000);
  EXPECT_EQ(Only("wheel "), Lines{"wheel -1 1"});
}

}  // namespace
}  // namespace vx
