// The control look as a user sees it: the look program's window under each style,
// read back from the screen's pixels while the mouse, the focus and the program's
// own messages put its controls in each state.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "tests/commands/control_look/programs/look_fixture.h"
#include "tests/support/window_driving.h"

namespace vx {
namespace {

namespace fx = test::look_fixture;

// The screen's pixels over a window's rectangle, in window coordinates; negative
// coordinates count from the right or bottom edge.
class ScreenShot {
 public:
  explicit ScreenShot(HWND window) {
    RECT rect;
    GetWindowRect(window, &rect);
    width_ = rect.right - rect.left, height_ = rect.bottom - rect.top;
    pixels_.resize(static_cast<size_t>(width_) * height_);
    HDC screen = GetDC(nullptr), memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width_, height_);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width_, height_, screen, rect.left, rect.top, SRCCOPY);
    SelectObject(memory, previous);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width_, info.bmiHeader.biHeight = -height_;  // top-down rows
    info.bmiHeader.biPlanes = 1, info.bmiHeader.biBitCount = 32, info.bmiHeader.biCompression = BI_RGB;
    GetDIBits(memory, bitmap, 0, height_, pixels_.data(), &info, DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
  }
  COLORREF At(int x, int y) const {
    x = x < 0 ? width_ + x : x, y = y < 0 ? height_ + y : y;
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return CLR_INVALID;
    const uint32_t word = pixels_[static_cast<size_t>(y) * width_ + x];
    return RGB((word >> 16) & 0xFF, (word >> 8) & 0xFF, word & 0xFF);
  }

 private:
  int width_ = 0, height_ = 0;
  std::vector<uint32_t> pixels_;
};

// One thing to see on a control: a colour at a point, anything but that colour
// there, or the colour somewhere in an area.
struct Probe {
  enum class Kind { kAt, kNotAt, kSomewhere } kind;
  int x, y;
  COLORREF colour;
  int tolerance;
  RECT area;

  bool SeenIn(const ScreenShot& shot) const {
    auto matches = [&](COLORREF seen) {
      return std::abs(GetRValue(seen) - GetRValue(colour)) <= tolerance &&
             std::abs(GetGValue(seen) - GetGValue(colour)) <= tolerance &&
             std::abs(GetBValue(seen) - GetBValue(colour)) <= tolerance;
    };
    if (kind != Kind::kSomewhere) return matches(shot.At(x, y)) == (kind == Kind::kAt);
    for (int row = area.top; row < area.bottom; ++row) {
      for (int column = area.left; column < area.right; ++column) {
        if (matches(shot.At(column, row))) return true;
      }
    }
    return false;
  }
  std::string Describe(const ScreenShot& shot) const {
    char text[160];
    const COLORREF seen = shot.At(x, y);
    if (kind == Kind::kSomewhere) {
      std::snprintf(text, sizeof text, "(%d,%d,%d) nowhere in %ld,%ld..%ld,%ld", GetRValue(colour), GetGValue(colour),
                    GetBValue(colour), area.left, area.top, area.right, area.bottom);
    } else {
      std::snprintf(text, sizeof text, "at %d,%d expected %s(%d,%d,%d), shows (%d,%d,%d)", x, y,
                    kind == Kind::kNotAt ? "anything but " : "", GetRValue(colour), GetGValue(colour),
                    GetBValue(colour), GetRValue(seen), GetGValue(seen), GetBValue(seen));
    }
    return text;
  }
};

Probe At(int x, int y, COLORREF colour, int tolerance = 2) { return {Probe::Kind::kAt, x, y, colour, tolerance, {}}; }
Probe NotAt(int x, int y, COLORREF colour) { return {Probe::Kind::kNotAt, x, y, colour, 8, {}}; }
Probe Somewhere(RECT area, COLORREF colour) { return {Probe::Kind::kSomewhere, 0, 0, colour, 0, area}; }

// ---- the colours the look is to show ----

const COLORREF kFace = GetSysColor(COLOR_BTNFACE), kWindowColour = GetSysColor(COLOR_WINDOW);
const COLORREF kDisabledFrame = RGB(GetRValue(kFace) - 0x20, GetGValue(kFace) - 0x20, GetBValue(kFace) - 0x20);
constexpr COLORREF kFrameOf[] = {0, RGB(123, 158, 189), RGB(164, 185, 127), RGB(198, 197, 215)};
constexpr COLORREF kButtonFrameOf[] = {0, RGB(0, 60, 115), RGB(55, 98, 6), RGB(0, 60, 116)};
constexpr COLORREF kGlyphOf[] = {0, RGB(123, 158, 189), RGB(255, 255, 255), RGB(0, 0, 0)};
constexpr COLORREF kMarkFrame = RGB(24, 81, 132), kTick = RGB(33, 162, 33), kDisabledTick = RGB(206, 203, 189);
constexpr COLORREF kDisabledFill = RGB(245, 244, 234), kDimText = RGB(165, 162, 148), kWhite = RGB(255, 255, 255);
constexpr COLORREF kGroupFrame = RGB(191, 184, 191), kDisabledGlyph = RGB(206, 203, 198);

// A gradient set by its top and bottom colours (the checked rim's top by its
// left corner: it runs to a slightly different right one).
struct Set {
  COLORREF top, bottom;
};
constexpr Set kHotRim = {RGB(255, 240, 207), RGB(229, 151, 0)};  // every style's
constexpr Set kCheckedRim = {RGB(214, 203, 189), RGB(247, 243, 239)};
constexpr Set kNormalRim = {RGB(255, 255, 255), RGB(226, 223, 214)};
constexpr Set kPressedRim3 = {RGB(239, 227, 206), RGB(239, 227, 206)};  // style 3's own
constexpr Set kFocusedRim3 = {RGB(206, 231, 255), RGB(105, 130, 238)};
constexpr Set kPressedCentre3 = {RGB(179, 178, 197), RGB(252, 252, 251)};
constexpr Set kNormalCentre3 = {RGB(252, 252, 251), RGB(198, 197, 215)};

// ---- the table ----

enum class Drive { kNone, kHover, kFocus };

struct Row {
  std::string what;
  int id;
  Drive drive;
  std::vector<Probe> probes;
};

// A push button (110 x 28): face edge, frame, a two-pixel rim from row 2 to row
// 25, the centre from row 4 to row 23. Styles 1 and 2 are only held to the sets
// they share with style 3 (and style 2 focuses with the hot rim).
struct ButtonCase {
  const char* what;
  int id;
  Drive drive;
  const Set* rimByStyle[3];
  const Set* centre3;
  bool dimText = false;
};
constexpr ButtonCase kButtonCases[] = {
    {"push button", fx::kPush, Drive::kNone, {&kNormalRim, &kNormalRim, &kNormalRim}, &kNormalCentre3},
    {"push button made later", fx::kPushLater, Drive::kNone, {&kNormalRim, &kNormalRim, &kNormalRim}, nullptr},
    {"default push button", fx::kPushDefault, Drive::kNone, {nullptr, &kHotRim, &kFocusedRim3}, nullptr},
    {"pressed push button", fx::kPushPressed, Drive::kNone, {nullptr, nullptr, &kPressedRim3}, &kPressedCentre3},
    {"checked push-like check box",
     fx::kPushChecked,
     Drive::kNone,
     {&kCheckedRim, &kCheckedRim, &kCheckedRim},
     &kPressedCentre3},
    {"indeterminate push-like check box",
     fx::kPushIndeterminate,
     Drive::kNone,
     {&kCheckedRim, &kCheckedRim, &kCheckedRim},
     &kPressedCentre3,
     true},
    {"push button under the mouse", fx::kPush, Drive::kHover, {&kHotRim, &kHotRim, &kHotRim}, &kNormalCentre3},
    {"focused push button", fx::kPush, Drive::kFocus, {nullptr, &kHotRim, &kFocusedRim3}, &kNormalCentre3},
};

constexpr RECT kCaptionArea = {20, 6, 90, 22};

Row ButtonRow(const ButtonCase& c, int style) {
  Row row = {c.what, c.id, c.drive, {At(55, 0, kFace), At(55, 1, kButtonFrameOf[style])}};
  if (const Set* rim = c.rimByStyle[style - 1]) {
    row.probes.push_back(rim == &kCheckedRim ? At(4, 2, rim->top, 3) : At(55, 2, rim->top));
    row.probes.push_back(At(55, -3, rim->bottom));
  }
  if (style == 3 && c.centre3) {
    row.probes.insert(row.probes.end(), {At(6, 4, c.centre3->top), At(6, -5, c.centre3->bottom)});
  }
  if (c.dimText) row.probes.push_back(Somewhere(kCaptionArea, kDimText));
  return row;
}

// The caption's size in the program's font: a group box's top edge runs at half its height.
SIZE CaptionSize(const wchar_t* caption) {
  HDC dc = GetDC(nullptr);
  HGDIOBJ previous = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
  RECT measured = {};
  DrawTextW(dc, caption, -1, &measured, DT_SINGLELINE | DT_CALCRECT);
  SelectObject(dc, previous);
  ReleaseDC(nullptr, dc);
  return {measured.right - measured.left, measured.bottom - measured.top};
}

std::vector<Row> RowsFor(int style) {
  std::vector<Row> rows;
  for (const ButtonCase& c : kButtonCases) rows.push_back(ButtonRow(c, style));
  rows.push_back({"disabled push button",
                  fx::kPushDisabled,
                  Drive::kNone,
                  {At(55, 1, kDisabledFrame), At(55, 2, kDisabledFill), At(6, 6, kDisabledFill),
                   Somewhere(kCaptionArea, kDimText)}});

  // Check boxes and radio buttons: the 13-pixel mark at the top left, its inside from (3,3) to (9,9).
  const Drive none = Drive::kNone;
  rows.insert(
      rows.end(),
      {
          {"check box", fx::kCheck, none, {At(6, 0, kMarkFrame), At(0, 6, kMarkFrame), At(6, 14, kFace)}},
          {"checked check box", fx::kCheckChecked, none, {At(3, 5, kTick), At(9, 3, kTick)}},
          {"indeterminate check box", fx::kCheckIndeterminate, none, {At(6, 6, RGB(115, 195, 115))}},
          {"disabled check box", fx::kCheckDisabled, none, {At(6, 0, kDisabledFrame), At(6, 6, kWhite)}},
          {"disabled checked check box", fx::kCheckDisabledChecked, none, {At(3, 5, kDisabledTick)}},
          {"tall check box, no alignment bits: box at the top",
           fx::kCheckTall,
           none,
           {At(6, 0, kMarkFrame), At(6, 20, kFace)}},
          {"tall check box, BS_VCENTER: box in the middle",
           fx::kCheckTallCentred,
           none,
           {At(6, 13, kMarkFrame), At(6, 0, kFace)}},
          {"check box, BS_LEFTTEXT: box at the right",
           fx::kCheckLeftText,
           none,
           {At(-7, 0, kMarkFrame), At(6, 0, kFace)}},
          {"check box under the mouse", fx::kCheck, Drive::kHover, {At(4, 4, RGB(231, 231, 231))}},
          {"checked check box under the mouse", fx::kCheckChecked, Drive::kHover, {At(4, 4, RGB(247, 247, 247))}},
          {"radio button", fx::kRadio, none, {At(6, 0, kMarkFrame), At(0, 0, kFace)}},
          {"checked radio button", fx::kRadioChecked, none, {At(6, 6, kTick)}},
          {"disabled radio button", fx::kRadioDisabled, none, {At(6, 0, kDisabledFrame), At(6, 3, kFace)}},
          {"disabled checked radio button", fx::kRadioDisabledChecked, none, {At(6, 6, kDisabledTick)}},
      });

  // Group boxes: the top edge at half the caption's height, open behind the
  // caption (10 pixels in, or centred), closed without one.
  const int top = CaptionSize(L"分组 Group").cy / 2, centredCaption = (115 - CaptionSize(L"Centred").cx) / 2;
  rows.insert(
      rows.end(),
      {
          {"group box",
           fx::kGroup,
           none,
           {At(0, 30, kGroupFrame), At(-1, 30, kGroupFrame), At(50, -1, kGroupFrame), At(0, -1, kFace),
            At(5, top, kGroupFrame), At(9, top, kFace)}},
          {"group box, centred caption",
           fx::kGroupCentred,
           none,
           {At(3, top, kGroupFrame), At(centredCaption - 1, top, kFace)}},
          {"group box without caption", fx::kGroupEmpty, none, {At(3, top, kGroupFrame), At(57, top, kGroupFrame)}},
      });

  // Edit boxes (110 x 24) and combo boxes (130 wide): the style's frame, then the
  // inside's colour; combo boxes' drop-down button with its chevron at the right.
  const COLORREF frame = kFrameOf[style], glyph = kGlyphOf[style];
  const int button = GetSystemMetrics(SM_CYVTHUMB);
  const RECT chevron = {130 - button, 4, 130 - 4, 17};
  rows.insert(
      rows.end(),
      {
          {"edit box, client edge",
           fx::kEditClientEdge,
           none,
           {At(55, 0, frame), At(55, 1, kWindowColour), At(0, 12, frame), At(-1, 12, frame)}},
          {"edit box, single-line border",
           fx::kEditBorder,
           none,
           {At(55, 0, frame), At(55, 1, kWindowColour), At(-1, 12, frame)}},
          {"edit box without border: the system's painting",
           fx::kEditNoBorder,
           none,
           {At(55, 0, kWindowColour), At(0, 12, kWindowColour)}},
          {"read-only edit box", fx::kEditReadOnly, none, {At(55, 0, frame), At(55, 1, kFace)}},
          {"disabled edit box", fx::kEditDisabled, none, {At(55, 0, kDisabledFrame), At(55, 1, kFace)}},
          {"up-down joined to its edit box",
           fx::kUpDownJoined,
           none,
           {At(8, 0, frame), At(8, 1, kWindowColour), At(-1, 12, frame), Somewhere({3, 3, 13, 21}, glyph)}},
          {"drop-down combo box",
           fx::kComboDropDown,
           none,
           {At(65, 0, frame), At(65, 1, kWindowColour), Somewhere(chevron, glyph)}},
          {"drop-down-list combo box",
           fx::kComboList,
           none,
           {At(65, 0, frame), At(65, 1, kWindowColour), Somewhere(chevron, glyph)}},
          {"disabled drop-down-list combo box",
           fx::kComboListDisabled,
           none,
           {At(65, 0, kDisabledFrame), At(65, 1, kFace), Somewhere(chevron, kDisabledGlyph)}},
          {"simple combo box: the system's painting", fx::kComboSimple, none, {NotAt(65, 0, frame)}},
          // Up-downs: the frame colour behind two arrow buttons, a glyph in each.
          {"vertical up-down",
           fx::kUpDownVertical,
           none,
           {At(0, 0, frame), At(10, 0, frame), Somewhere({3, 3, 17, 18}, glyph), Somewhere({3, 22, 17, 37}, glyph)}},
          {"horizontal up-down",
           fx::kUpDownHorizontal,
           none,
           {At(0, 0, frame), Somewhere({3, 3, 18, 17}, glyph), Somewhere({22, 3, 37, 17}, glyph)}},
          {"disabled up-down",
           fx::kUpDownDisabled,
           none,
           {At(0, 0, kDisabledFrame), Somewhere({3, 3, 17, 37}, kDisabledGlyph)}},
      });
  return rows;
}

// ---- driving the program ----

POINT OnScreen(HWND window, POINT client) {
  ClientToScreen(window, &client);
  return client;
}

// The probes the control does not show once it shows them all (painting reaches
// the screen a little later), or those it does not show when the time is up.
std::vector<std::string> Unseen(HWND control, const std::vector<Probe>& probes, DWORD timeoutMs = 2000) {
  for (DWORD start = GetTickCount();; Sleep(50)) {
    const ScreenShot shot(control);
    std::vector<std::string> unseen;
    for (const Probe& probe : probes) {
      if (!probe.SeenIn(shot)) unseen.push_back(probe.Describe(shot));
    }
    if (unseen.empty() || GetTickCount() - start >= timeoutMs) return unseen;
  }
}

bool Shows(HWND control, const std::vector<Probe>& probes, DWORD timeoutMs = 2000) {
  return Unseen(control, probes, timeoutMs).empty();
}

class ControlLook : public ::testing::Test {
 protected:
  void SetUp() override {
    program_ = std::make_unique<test::Program>(L"look_program.exe", L"3");
    window_ = program_->WaitForWindow(fx::kWindowClass);
    ASSERT_NE(window_, nullptr);
    ASSERT_TRUE(test::FocusWindow(window_));
    test::MoveMouseTo(Background());
  }
  void TearDown() override {
    test::SendOneInput(test::MouseInput(MOUSEEVENTF_LEFTUP));
    if (window_ && IsWindow(window_)) PostMessageW(window_, WM_CLOSE, 0, 0);
    if (program_) program_->WaitForExit(5000);
  }

  HWND Control(int id) const { return GetDlgItem(window_, id); }
  LRESULT Ask(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
    return SendMessageW(window_, message, wParam, lParam);
  }
  bool SetLook(int style) const { return Ask(fx::kSetLook, style) != 0; }
  // Switches to the style and waits until the screen shows it.
  bool SwitchTo(int style) const {
    return SetLook(style) && Shows(Control(fx::kPushPressed), {At(55, 1, kButtonFrameOf[style])}) &&
           Shows(Control(fx::kPushDefault), {At(55, 1, kButtonFrameOf[style])});
  }
  bool HasOwnProcedure(int id, bool comboList = false) const { return Ask(fx::kHasOwnProcedure, id, comboList) != 0; }

  POINT Background() const { return OnScreen(window_, {1000, 420}); }  // clear of every control
  POINT CentreOf(int id) const {
    RECT rect;
    GetClientRect(Control(id), &rect);
    return OnScreen(Control(id), {rect.right / 2, rect.bottom / 2});
  }
  // Presses the left button over the button and keeps it down, once the button
  // reports itself pushed.
  void PressAndHold(int id) const {
    test::MoveMouseTo(CentreOf(id));
    test::SendOneInput(test::MouseInput(MOUSEEVENTF_LEFTDOWN));
    for (DWORD start = GetTickCount();
         !(SendMessageW(Control(id), BM_GETSTATE, 0, 0) & BST_PUSHED) && GetTickCount() - start < 1000;) {
      Sleep(10);
    }
  }

  std::unique_ptr<test::Program> program_;
  HWND window_ = nullptr;
};

TEST_F(ControlLook, EachKindShowsEachStateInEachStyle) {
  for (int style : {1, 2, 3}) {
    ASSERT_TRUE(SwitchTo(style));
    for (const Row& row : RowsFor(style)) {
      if (row.drive == Drive::kHover) test::MoveMouseTo(CentreOf(row.id));
      if (row.drive == Drive::kFocus) Ask(fx::kFocus, row.id);
      for (const std::string& unseen : Unseen(Control(row.id), row.probes)) {
        ADD_FAILURE() << "style " << style << ", " << row.what << ": " << unseen;
      }
      test::MoveMouseTo(Background());
      Ask(fx::kFocus, fx::kListBox);  // a control the look leaves alone
    }
  }
}

// The rim of a push button, at its top and bottom row.
std::pair<COLORREF, COLORREF> RimOf(HWND button) {
  const ScreenShot shot(button);
  return {shot.At(55, 2), shot.At(55, -3)};
}

TEST_F(ControlLook, APressedAndFocusedButtonShowsThePressedRim) {
  for (int style : {1, 2, 3}) {
    ASSERT_TRUE(SwitchTo(style));
    const auto pressedRim = RimOf(Control(fx::kPushPressed)), focusedRim = RimOf(Control(fx::kPushDefault));
    ASSERT_NE(pressedRim, focusedRim);
    if (style == 3) {
      EXPECT_EQ(pressedRim, std::pair(kPressedRim3.top, kPressedRim3.bottom));
    }
    PressAndHold(fx::kPush);
    EXPECT_EQ(test::FocusOf(window_), Control(fx::kPush)) << "style " << style;
    EXPECT_TRUE(Shows(Control(fx::kPush), {At(55, 2, pressedRim.first, 0), At(55, -3, pressedRim.second, 0)}))
        << "style " << style;
    test::SendOneInput(test::MouseInput(MOUSEEVENTF_LEFTUP));
    test::MoveMouseTo(Background());
  }
}

TEST_F(ControlLook, HoveringWithTheLeftButtonHeldDoesNotLightAButton) {
  const POINT besideButton = OnScreen(window_, {65, 44});  // between the first two rows
  test::MoveMouseTo(besideButton);
  test::SendOneInput(test::MouseInput(MOUSEEVENTF_LEFTDOWN));
  test::MoveMouseTo(CentreOf(fx::kPush));
  Sleep(300);
  EXPECT_EQ(RimOf(Control(fx::kPush)).first, kNormalRim.top) << "not hot while the button is held";
  test::SendOneInput(test::MouseInput(MOUSEEVENTF_LEFTUP));
  test::MoveMouseTo(besideButton);
  test::MoveMouseTo(CentreOf(fx::kPush));
  EXPECT_TRUE(Shows(Control(fx::kPush), {At(55, 2, kHotRim.top)})) << "hot once it is released";
}

TEST_F(ControlLook, AnUpDownRepaintsWhenTheMouseCrossesItsMiddleAndNotBefore) {
  // The vertical up-down is 20 x 40: arrow halves from rows 1 to 19 and 20 to 38.
  // The half under the mouse shows the hot face, the other the normal one; they
  // differ in the halves' bottom rows. A magenta marker pixel (fx::kMark) stays
  // until the up-down repaints.
  HWND upDown = Control(fx::kUpDownVertical);
  ASSERT_TRUE(Shows(upDown, {At(0, 0, kFrameOf[3], 0)})) << "the look is on screen";
  const COLORREF normal = ScreenShot(upDown).At(10, 19), marker = RGB(255, 0, 255);
  test::MoveMouseTo(OnScreen(upDown, {10, 8}));
  ASSERT_TRUE(Shows(upDown, {NotAt(10, 19, normal), At(10, 38, normal, 0)})) << "upper half hot";
  const COLORREF hot = ScreenShot(upDown).At(10, 19);

  Ask(fx::kMark, fx::kUpDownVertical, MAKELPARAM(10, 30));
  ASSERT_TRUE(Shows(upDown, {At(10, 30, marker, 0)}));
  test::MoveMouseTo(OnScreen(upDown, {10, 12}));
  Sleep(300);
  EXPECT_TRUE(Shows(upDown, {At(10, 30, marker, 0)}, 0)) << "no repaint inside the upper half";

  test::MoveMouseTo(OnScreen(upDown, {10, 28}));
  EXPECT_TRUE(Shows(upDown, {At(10, 19, normal, 0), At(10, 38, hot, 0), NotAt(10, 30, marker)}))
      << "repainted at the crossing, the lower half hot";

  Ask(fx::kMark, fx::kUpDownVertical, MAKELPARAM(10, 10));
  ASSERT_TRUE(Shows(upDown, {At(10, 10, marker, 0)}));
  test::MoveMouseTo(OnScreen(upDown, {10, 33}));
  Sleep(300);
  EXPECT_TRUE(Shows(upDown, {At(10, 10, marker, 0)}, 0)) << "no repaint inside the lower half";
}

TEST_F(ControlLook, StyleZeroGivesEveryWindowItsOwnProcedureBack) {
  struct Window {
    int id;
    bool comboList, takenOver;
  };
  const Window windows[] = {
      {fx::kPush, false, true},           {fx::kPushLater, false, true},     {fx::kPushChecked, false, true},
      {fx::kCheck, false, true},          {fx::kRadio, false, true},         {fx::kGroup, false, true},
      {fx::kEditClientEdge, false, true}, {fx::kEditNoBorder, false, true},  {fx::kUpDownJoined, false, true},
      {fx::kComboDropDown, false, true},  {fx::kComboDropDown, true, true},  {fx::kComboList, true, true},
      {fx::kUpDownVertical, false, true}, {fx::kBitmapButton, false, false}, {fx::kComboSimple, false, false},
      {fx::kComboSimple, true, false},    {fx::kListBox, false, false},      {fx::kScrollBar, false, false},
      {fx::kProgressBar, false, false},   {fx::kTrackBar, false, false},
  };
  for (const Window& window : windows) {
    EXPECT_EQ(HasOwnProcedure(window.id, window.comboList), !window.takenOver) << window.id << " " << window.comboList;
  }
  EXPECT_TRUE(SetLook(0)) << "the hook was removed";
  for (const Window& window : windows) {
    EXPECT_TRUE(HasOwnProcedure(window.id, window.comboList)) << window.id << " " << window.comboList;
  }
  EXPECT_TRUE(Shows(Control(fx::kPush), {NotAt(55, 1, kButtonFrameOf[3])})) << "the system paints the button again";
  EXPECT_FALSE(SetLook(0)) << "no hook left to remove";
}

TEST_F(ControlLook, AControlSubclassedAfterTheLookKeepsWorkingWhenTheLookGoes) {
  Ask(fx::kSubclassOnTop, fx::kCheckChecked);
  ASSERT_TRUE(SetLook(0));
  // The look cannot step out from behind the later procedure; it hands every
  // message on instead, so the check box still answers and paints as the system's.
  HWND checkBox = Control(fx::kCheckChecked);
  EXPECT_EQ(SendMessageW(checkBox, BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(test::TextOf(checkBox), L"Checked");
  EXPECT_TRUE(Shows(checkBox, {NotAt(3, 5, kTick)})) << "no tick of the look";
  ASSERT_TRUE(SwitchTo(3));
  EXPECT_TRUE(Shows(checkBox, {At(3, 5, kTick), At(6, 0, kMarkFrame)})) << "the look paints it again";
}

TEST_F(ControlLook, RepaintingLeavesTheGdiObjectCountFlat) {
  Ask(fx::kRepaint, 10);  // whatever the system makes once
  const LRESULT before = Ask(fx::kGdiObjects);
  ASSERT_GT(before, 0) << "the program can count its GDI objects";
  const LRESULT milliseconds = Ask(fx::kRepaint, 1000);
  EXPECT_EQ(Ask(fx::kGdiObjects), before);
  std::printf("1000 repaints of taken-over controls: %ld ms; %ld GDI objects before and after\n",
              static_cast<long>(milliseconds), static_cast<long>(before));
}

}  // namespace
}  // namespace vx
