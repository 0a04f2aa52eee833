// The window's keyboard handling, driven with real key input.
#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "tests/support/window_driving.h"

namespace vx {
namespace {

using test::PressKeys;
using test::Program;
using test::RecordLines;
using test::TempFile;
using Lines = std::vector<std::string>;

// Control ids are given from the last unit back: 100 for the last.
constexpr int kEditA = 160, kEditB = 150, kOkButton = 120, kSaveButton = 110;

class WindowKeyboard : public test::WindowScenario {};

TEST_F(WindowKeyboard, TabFollowsTabIndexesSkippingDisabledHiddenAndNonStopUnits) {
  Start(L"form");
  EXPECT_EQ(FocusedId(kEditB), kEditB) << "the lowest tab index gets the focus first";
  PressKeys({}, VK_TAB);
  EXPECT_EQ(FocusedId(kEditA), kEditA);
  PressKeys({}, VK_TAB);
  EXPECT_EQ(FocusedId(kOkButton), kOkButton);
  PressKeys({}, VK_TAB);
  EXPECT_EQ(FocusedId(kSaveButton), kSaveButton);
  PressKeys({}, VK_TAB);
  EXPECT_EQ(FocusedId(kEditB), kEditB) << "wraps to the first";
  PressKeys({VK_SHIFT}, VK_TAB);
  EXPECT_EQ(FocusedId(kSaveButton), kSaveButton) << "Shift+Tab goes back";
  EXPECT_TRUE(Recorded("focus 6")) << "units raise GotFocus";
}

TEST_F(WindowKeyboard, ControlIdsCountFromTheLastUnitAndTheZOrderFollowsTheTemplate) {
  Start(L"form");
  std::vector<int> ids;
  for (HWND child = GetWindow(window_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    ids.push_back(GetDlgCtrlID(child));
  }
  EXPECT_EQ(ids, (std::vector<int>{160, 150, 140, 130, 120, 110, 100}));
}

TEST_F(WindowKeyboard, APressOnTheWindowRaisesLeftButtonDownWithPositionAndModifiers) {
  Start(L"form");
  PostMessageW(window_, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(300, 40));
  EXPECT_TRUE(Recorded("press 300 40 0"));
}

TEST_F(WindowKeyboard, EnterInASingleLineEditClicksTheDefaultButton) {
  Start(L"form");
  PressKeys({}, VK_TAB);
  ASSERT_EQ(FocusedId(kEditA), kEditA);
  PressKeys({}, VK_RETURN);
  EXPECT_TRUE(Recorded("click 5"));
  EXPECT_EQ(FocusedId(kEditA), kEditA);
}

TEST_F(WindowKeyboard, AltAndAMnemonicClicksItsButtonWithoutMovingTheFocus) {
  Start(L"form");
  PressKeys({VK_MENU}, 'S');
  EXPECT_TRUE(Recorded("click 6"));
  EXPECT_EQ(FocusedId(kEditB), kEditB);
}

TEST_F(WindowKeyboard, ACharTypedHandlerAnsweringZeroSwallowsTheCharacter) {
  Start(L"form");
  PressKeys({}, VK_TAB);
  ASSERT_EQ(FocusedId(kEditA), kEditA);
  PressKeys({}, 'X');
  PressKeys({}, 'Y');
  EXPECT_TRUE(Recorded("char 121"));
  EXPECT_EQ(test::TextOf(GetDlgItem(window_, kEditA)), L"y");
}

TEST_F(WindowKeyboard, EscAsksCloseRequestedThenQueryCloseAndEndsTheProgram) {
  Start(L"form");
  PressKeys({}, VK_ESCAPE);
  EXPECT_EQ(program_->WaitForExit(), 0u);
  Lines lines = RecordLines(record_);
  auto at = std::find(lines.begin(), lines.end(), "close-requested");
  ASSERT_NE(at, lines.end());
  EXPECT_EQ(*(at + 1), "query-close");
}

TEST_F(WindowKeyboard, ACloseRequestedHandlerAnsweringFalseKeepsTheWindow) {
  Start(L"keep-once");
  PressKeys({}, VK_ESCAPE);
  ASSERT_TRUE(Recorded("close-requested"));
  Sleep(200);
  EXPECT_TRUE(IsWindow(window_));
  Lines lines = RecordLines(record_);
  EXPECT_EQ(std::count(lines.begin(), lines.end(), "query-close"), 0) << "QueryClose is not asked";
  PressKeys({}, VK_ESCAPE);
  EXPECT_EQ(program_->WaitForExit(), 0u);
}

}  // namespace
}  // namespace vx
