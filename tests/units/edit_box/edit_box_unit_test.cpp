// The edit box as a user and a program meet it, in this process: the real type
// loaded by the runtime's loader onto a window, typed into with real key input,
// clicked with the mouse, its properties read and written as a program does.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "runtime/framework/application.h"
#include "runtime/message_pump.h"
#include "runtime/property_access.h"
#include "tests/support/program_fixture.h"
#include "tests/support/user_input.h"
#include "units/edit_box/edit_box_data.h"
#include "units/unit_types/core_unit_types.h"
#include "units/window/window_data.h"

namespace vx {
namespace {

constexpr uint32_t kWindow = 0x52010001, kOwnUnit = 0x06010000;
constexpr uint32_t kBox = 0x16010001, kNext = 0x16010002;
using namespace edit_box_property;
constexpr int kHeight = common_property::kHeight;

// What the box's handlers saw, in order.
std::vector<std::string> seen;

std::string BoxText() { return test::TakeText(ReadUnitProperty(kWindow, kBox, kContent, -1)); }
int64_t OnContentChanged(const EventArguments&) {
  seen.push_back("changed " + BoxText());
  return 0;
}
int64_t OnLostFocus(const EventArguments&) {
  seen.push_back("lost " + BoxText());
  return 0;
}
int64_t OnSpinPressed(const EventArguments& arguments) {
  seen.push_back("spin " + std::to_string(arguments.Int(0)));
  return 0;
}
const ProgramHandler kHandlers[] = {{OnContentChanged, false}, {OnLostFocus, false}, {OnSpinPressed, false}};
constexpr int32_t kHandlerSize = sizeof(ProgramHandler);

// Messages pass the form's key handling (Tab moves the focus) as in a program.
class FormPump : public Application {
  bool InitInstance() override { return true; }
};

class EditBox : public test::ProgramFixture {
 protected:
  // A window with the box and a second box after it in the tab order; the box
  // has the focus.
  void Load(const EditBoxData& data, RECT placement = {20, 20, 220, 44}, const EditBoxData& nextData = {},
            RECT nextPlacement = {20, 150, 220, 174}) {
    UnitDescription own = test::Unit(kOwnUnit, core_unit_type::kWindow, {0, 0, 320, 200}, kUnitVisible,
                                     StoreProperties(WindowData{.caption = "编辑框"}));
    constexpr uint32_t kShown = kUnitVisible | kUnitTakesFocus;
    UnitDescription box = test::Unit(kBox, core_unit_type::kEditBox, placement, kShown, StoreProperties(data));
    box.stored.tabOrder = 1;
    box.stored.bindings = {{0, 0}, {-8, kHandlerSize}, {1, 2 * kHandlerSize}};
    UnitDescription next =
        test::Unit(kNext, core_unit_type::kEditBox, nextPlacement, kShown, StoreProperties(nextData));
    next.stored.tabOrder = 2;
    WindowDescription window;
    window.id = kWindow;
    window.items = {own, box, next};
    StartProgram({window}, kHandlers, true, &CoreLibrary());
    window_ = Control(kWindow, kOwnUnit);
    ASSERT_NE(Box(), nullptr);
    SetForegroundWindow(window_);
    SetFocus(Box());
    Pump();
    seen.clear();
  }

  static HWND Box() { return Control(kWindow, kBox); }
  static std::string Text() { return BoxText(); }
  static int32_t Int(int index) { return static_cast<int32_t>(Read(kWindow, kBox, index)); }
  static void WriteInt(int index, int32_t value) { Write(kWindow, kBox, index, static_cast<uint32_t>(value)); }
  static void WriteText(int index, const char* text) { Write(kWindow, kBox, index, test::TextValue(text)); }

  static void Pump() {
    for (int i = 0; i < 20; ++i) {
      ProcessPendingMessages();
      Sleep(5);
    }
  }
  // Input through the runtime's own message handling, as the program gets it.
  static void Type(std::u16string_view text) {
    test::SendInputs(test::CharacterInputs(text));
    Pump();
  }
  static void Press(WORD key) {
    test::SendInputs(std::vector{test::KeyInput(key, false), test::KeyInput(key, true)});
    Pump();
  }
  static void Click(POINT screen) {
    constexpr DWORD kAt = MOUSEEVENTF_ABSOLUTE;
    test::SendInputs(std::vector{test::MouseInput(MOUSEEVENTF_MOVE | kAt, screen),
                                 test::MouseInput(MOUSEEVENTF_LEFTDOWN | kAt, screen),
                                 test::MouseInput(MOUSEEVENTF_LEFTUP | kAt, screen)});
    Pump();
  }
  // The spin control beside the box: its up or down arrow.
  void ClickSpin(bool up) {
    HWND spin = FindWindowExW(window_, nullptr, L"msctls_updown32", nullptr);
    ASSERT_NE(spin, nullptr);
    RECT rect;
    GetWindowRect(spin, &rect);
    int height = rect.bottom - rect.top;
    Click({(rect.left + rect.right) / 2, rect.top + (up ? height / 4 : height * 3 / 4)});
  }

  FormPump pump_;
  HWND window_ = nullptr;
};

TEST_F(EditBox, TypingKeepsWhatTheInputModeTakes) {
  const char* kept[12] = {"a-1.5中", "",    "a-1.5中", "-15",  "-1.5", "15",
                          "-15",     "-15", "-15",     "-1.5", "-1.5", "a-1.5中"};
  Load({});
  for (int mode = 0; mode < 12; ++mode) {
    WriteInt(kInputMode, mode);
    WriteText(kContent, "");
    Type(u"a-1.5\u4E2D");
    EXPECT_EQ(Text(), kept[mode]) << "mode " << mode;
  }
}

TEST_F(EditBox, LeavingTheFocusRewritesTheTextBeforeLostFocus) {
  struct Case {
    int mode;
    const char* typed;
    std::vector<std::string> seen;
  };
  const Case cases[] = {
      {5, "300", {"changed 255", "lost 255"}},
      {5, "0", {"changed ", "lost "}},
      {5, "42", {"lost 42"}},
      {0, "0", {"lost 0"}},
      {7, "-99999999999", {"changed -2147483648", "lost -2147483648"}},
      {10, "-2.50", {"changed -2.5", "lost -2.5"}},
      {11, "2024-3-5 8:30", {"changed 2024年3月5日8时30分", "lost 2024年3月5日8时30分"}},
      {11, "2024-2-30", {"changed ", "lost "}},
  };
  Load({});
  for (const Case& c : cases) {
    WriteInt(kInputMode, c.mode);
    WriteText(kContent, "");
    SetFocus(Box());
    Type(std::u16string(c.typed, c.typed + std::char_traits<char>::length(c.typed)));
    seen.clear();
    Press(VK_TAB);
    EXPECT_NE(GetFocus(), Box()) << "Tab moved the focus on";
    EXPECT_EQ(seen, c.seen) << "mode " << c.mode << " " << c.typed;
  }
}

TEST_F(EditBox, TheAutomaticSpinWrapsRoundAndTheManualOneOnlyReports) {
  Load({.content = "100", .spinType = 1, .spinMinimum = 0, .spinMaximum = 100});
  ClickSpin(true);
  EXPECT_EQ(Text(), "0");
  EXPECT_EQ(Int(kSelLength), 1) << "all selected";
  EXPECT_EQ(GetFocus(), Box());
  ClickSpin(false);
  EXPECT_EQ(Text(), "100");
  EXPECT_EQ(seen, (std::vector<std::string>{"changed 0", "changed 100"}));

  // Re-created for the new spin type: the same unit answers, with a new control.
  HWND before = Box();
  WriteInt(kSpinType, 2);
  EXPECT_NE(Box(), before);
  EXPECT_FALSE(IsWindow(before));
  EXPECT_EQ(Int(kSpinType), 2);
  seen.clear();
  ClickSpin(true);
  ClickSpin(false);
  EXPECT_EQ(Text(), "100");
  EXPECT_EQ(seen, (std::vector<std::string>{"spin 1", "spin -1"}));
  HWND again = Box();
  WriteInt(kSpinType, 2);
  EXPECT_EQ(Box(), again) << "an unchanged value keeps the control";
}

TEST_F(EditBox, SelectionsCountBytes) {
  Load({.content = "你好abc"});
  WriteInt(kSelLength, -1);
  EXPECT_EQ(Int(kSelStart), 0);
  EXPECT_EQ(Int(kSelLength), 7);
  EXPECT_EQ(test::TakeText(Read(kWindow, kBox, kSelectedText)), "你好abc");
  WriteInt(kSelStart, -1);
  EXPECT_EQ(Int(kSelStart), 7);
  EXPECT_EQ(Int(kSelLength), 0);
  WriteInt(kSelStart, 2);
  WriteInt(kSelLength, 2);
  EXPECT_EQ(test::TakeText(Read(kWindow, kBox, kSelectedText)), "好");
  WriteText(kSelectedText, "世界");
  EXPECT_EQ(Text(), "你世界abc");
  WriteInt(kSelStart, -8);
  EXPECT_EQ(Int(kSelStart), 0);
}

TEST_F(EditBox, WritingContentRaisesContentChangedOnceEvenWhenUnchanged) {
  Load({});
  WriteText(kContent, "甲");
  WriteText(kContent, "甲");
  Press(VK_END);
  Type(u"乙");
  EXPECT_EQ(seen, (std::vector<std::string>{"changed 甲", "changed 甲", "changed 甲乙"}));
}

TEST_F(EditBox, MaxLengthCountsBytesAndNeverGoesNegative) {
  Load({.maxLength = 4});
  Type(u"中文字");
  EXPECT_EQ(Text(), "中文");
  WriteInt(kMaxLength, -5);
  EXPECT_EQ(Int(kMaxLength), 0);
  Type(u"字");
  EXPECT_EQ(Text(), "中文字");
}

TEST_F(EditBox, ASingleLineBoxCreatedTooLowGrowsAMultiLineOneKeepsItsSize) {
  HDC dc = GetDC(nullptr);
  HGDIOBJ previous = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
  SIZE sample = {};
  GetTextExtentPoint32W(dc, L"国", 1, &sample);
  SelectObject(dc, previous);
  ReleaseDC(nullptr, dc);
  Load({}, {20, 20, 220, 25}, {.multiLine = 1}, {20, 150, 220, 155});
  EXPECT_EQ(Int(kHeight), sample.cy + 2 * GetSystemMetrics(SM_CYEDGE));
  EXPECT_EQ(static_cast<int32_t>(Read(kWindow, kNext, kHeight)), 5);
}

TEST_F(EditBox, ARecreationKeepsTheTypedTextAndAMultiLineBoxTakesEnter) {
  Load({}, {20, 20, 220, 100});
  Type(u"ab");
  HWND before = Box();
  WriteInt(kMultiLine, 1);
  EXPECT_NE(Box(), before);
  SetFocus(Box());
  Press(VK_END);
  Press(VK_RETURN);
  Type(u"c");
  EXPECT_EQ(Text(), "ab\r\nc");
}

TEST_F(EditBox, ASingleLineBoxCentresItsLineAndPaintsItsColours) {
  constexpr COLORREF kBack = RGB(0xE0, 0xF0, 0xC0);
  Load({.border = 0, .textColour = RGB(0xC0, 0, 0), .backColour = kBack, .inputMode = 1}, {20, 20, 220, 80});
  RECT window, client;
  GetWindowRect(Box(), &window);
  GetClientRect(Box(), &client);
  POINT origin = {0, 0};
  ClientToScreen(Box(), &origin);
  int strip = origin.y - window.top;
  EXPECT_GT(strip, 15);
  EXPECT_NEAR(strip, window.bottom - origin.y - client.bottom, 1) << "as much below the line as above";
  POINT inStrip = {window.left + 30, window.top + strip / 2};
  EXPECT_EQ(SendMessageW(Box(), WM_NCHITTEST, 0, MAKELPARAM(inStrip.x, inStrip.y)), HTBORDER);
  UpdateWindow(window_);
  Pump();
  HDC screen = GetDC(nullptr);
  EXPECT_EQ(GetPixel(screen, inStrip.x, inStrip.y), kBack) << "the strip in the background colour";
  EXPECT_EQ(GetPixel(screen, origin.x + client.right - 3, origin.y + 1), kBack) << "read-only: the same colours";
  ReleaseDC(nullptr, screen);
}

}  // namespace
}  // namespace vx
