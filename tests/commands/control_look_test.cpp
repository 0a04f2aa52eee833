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

#include "tests/commands/programs/look_fixture.h"
#include "tests/runtime/window_driving.h"

namespace vx {
namespace {

namespace fx = test::look_fixture;
using test::Program;

// ---- what the screen shows ----

// The screen's pixels over a window's rectangle.
class ScreenShot {
 public:
  explicit ScreenShot(HWND window) {
    GetWindowRect(window, &rect_);
    width_ = rect_.right - rect_.left;
    height_ = rect_.bottom - rect_.top;
    pixels_.resize(static_cast<size_t>(width_) * height_);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width_, height_);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width_, height_, screen, rect_.left, rect_.top, SRCCOPY);
    SelectObject(memory, previous);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width_;
    info.bmiHeader.biHeight = -height_;  // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    GetDIBits(memory, bitmap, 0, height_, pixels_.data(), &info, DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
  }

  // Window coordinates; negative ones count from the right or bottom edge.
  COLORREF At(int x, int y) const {
    x = x < 0 ? width_ + x : x;
    y = y < 0 ? height_ + y : y;
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return CLR_INVALID;
    const uint32_t word = pixels_[static_cast<size_t>(y) * width_ + x];
    return RGB((word >> 16) & 0xFF, (word >> 8) & 0xFF, word & 0xFF);
  }
  bool Holds(COLORREF colour, const RECT& area) const {
    for (int y = area.top; y < area.bottom; ++y) {
      for (int x = area.left; x < area.right; ++x) {
        if (At(x, y) == colour) return true;
      }
    }
    return false;
  }

 private:
  RECT rect_ = {};
  int width_ = 0, height_ = 0;
  std::vector<uint32_t> pixels_;
};

std::string Text(COLORREF colour) {
  char text[32];
  std::snprintf(text, sizeof text, "(%d,%d,%d)", GetRValue(colour), GetGValue(colour), GetBValue(colour));
  return text;
}

bool Near(COLORREF a, COLORREF b, int tolerance) {
  return std::abs(GetRValue(a) - GetRValue(b)) <= tolerance && std::abs(GetGValue(a) - GetGValue(b)) <= tolerance &&
         std::abs(GetBValue(a) - GetBValue(b)) <= tolerance;
}

// One thing to see on a control: a colour at a point (or anything but that
// colour there), or a colour somewhere in an area.
struct Probe {
  enum class Kind { kAt, kNotAt, kSomewhere } kind;
  int x, y;
  COLORREF colour;
  int tolerance;
  RECT area;

  // Empty when the shot shows what the probe expects, else what it shows instead.
  std::string Mismatch(const ScreenShot& shot) const {
    switch (kind) {
      case Kind::kAt:
        if (Near(shot.At(x, y), colour, tolerance)) return "";
        return "at " + std::to_string(x) + "," + std::to_string(y) + " expected " + Text(colour) + ", shows " +
               Text(shot.At(x, y));
      case Kind::kNotAt:
        if (!Near(shot.At(x, y), colour, tolerance)) return "";
        return "at " + std::to_string(x) + "," + std::to_string(y) + " expected anything but " + Text(colour);
      case Kind::kSomewhere:
        if (shot.Holds(colour, area)) return "";
        return Text(colour) + " expected inside " + std::to_string(area.left) + "," + std::to_string(area.top) +
               " .. " + std::to_string(area.right) + "," + std::to_string(area.bottom);
    }
    return "";
  }
};

Probe At(int x, int y, COLORREF colour, int tolerance = 2) { return {Probe::Kind::kAt, x, y, colour, tolerance, {}}; }
Probe NotAt(int x, int y, COLORREF colour) { return {Probe::Kind::kNotAt, x, y, colour, 8, {}}; }
Probe Somewhere(RECT area, COLORREF colour) { return {Probe::Kind::kSomewhere, 0, 0, colour, 0, area}; }

// ---- the colours the look is to show ----

COLORREF Darkened(COLORREF colour, int by) {
  auto channel = [by](int value) { return std::max(value - by, 0); };
  return RGB(channel(GetRValue(colour)), channel(GetGValue(colour)), channel(GetBValue(colour)));
}

const COLORREF kFace = GetSysColor(COLOR_BTNFACE);
const COLORREF kWindowColour = GetSysColor(COLOR_WINDOW);
const COLORREF kDisabledFrame = Darkened(kFace, 0x20);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kFrameOf[] = {0, RGB(123, 158, 189), RGB(164, 185, 127), RGB(198, 197, 215)};
constexpr COLORREF kButtonFrameOf[] = {0, RGB(0, 60, 115), RGB(55, 98, 6), RGB(0, 60, 116)};
constexpr COLORREF kGlyphOf[] = {0, RGB(123, 158, 189), RGB(255, 255, 255), RGB(0, 0, 0)};
constexpr COLORREF kMarkFrame = RGB(24, 81, 132), kTick = RGB(33, 162, 33), kDisabledTick = RGB(206, 203, 189);
constexpr COLORREF kDisabledFill = RGB(245, 244, 234), kDimText = RGB(165, 162, 148);
constexpr COLORREF kGroupFrame = RGB(191, 184, 191), kDisabledGlyph = RGB(206, 203, 198);

// A gradient set by its top and bottom colours (the checked rim's top by its
// left corner).
struct Set {
  COLORREF top, bottom;
};
// Rims every style shares.
constexpr Set kHotRim = {RGB(255, 240, 207), RGB(229, 151, 0)};
constexpr Set kCheckedRim = {RGB(214, 203, 189), RGB(247, 243, 239)};
constexpr Set kNormalRim = {RGB(255, 255, 255), RGB(226, 223, 214)};
// Style 3's own sets.
constexpr Set kPressedRim3 = {RGB(239, 227, 206), RGB(239, 227, 206)};
constexpr Set kFocusedRim3 = {RGB(206, 231, 255), RGB(105, 130, 238)};
constexpr Set kPressedCentre3 = {RGB(179, 178, 197), RGB(252, 252, 251)};
constexpr Set kNormalCentre3 = {RGB(252, 252, 251), RGB(198, 197, 215)};

// ---- the table ----

enum class Drive { kNone, kHover, kFocus, kPressHold };

struct Row {
  std::string what;
  int id;
  Drive drive;
  std::vector<Probe> probes;
};

// Push buttons are 110 x 28: face edge, frame, two-pixel rim (rows 2 and 25 its
// first and last), centre from row 4 to row 23.
void Rim(Row& row, const Set& set) {
  row.probes.push_back(At(55, 2, set.top));
  row.probes.push_back(At(55, -3, set.bottom));
}
void CheckedRim(Row& row) {
  row.probes.push_back(At(4, 2, kCheckedRim.top, 3));  // its top runs from left to right colour
  row.probes.push_back(At(55, -3, kCheckedRim.bottom));
}
void Centre(Row& row, const Set& set) {
  row.probes.push_back(At(6, 4, set.top));
  row.probes.push_back(At(6, -5, set.bottom));
}
Row Button(const std::string& what, int id, Drive drive, int style) {
  return {what, id, drive, {At(55, 0, kFace), At(55, 1, kButtonFrameOf[style])}};
}

// The caption's size in the program's font: a group box's top edge runs at half
// its height.
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
  const bool style3 = style == 3;
  std::vector<Row> rows;

  Row push = Button("push button", fx::kPush, Drive::kNone, style);
  Rim(push, kNormalRim);
  if (style3) Centre(push, kNormalCentre3);
  rows.push_back(push);

  Row later = Button("push button created after the look came on", fx::kPushLater, Drive::kNone, style);
  Rim(later, kNormalRim);
  rows.push_back(later);

  Row byDefault = Button("default push button", fx::kPushDefault, Drive::kNone, style);
  if (style3) Rim(byDefault, kFocusedRim3);
  if (style == 2) Rim(byDefault, kHotRim);  // style 2 focuses with the hot rim
  rows.push_back(byDefault);

  Row pressed = Button("pressed push button", fx::kPushPressed, Drive::kNone, style);
  if (style3) {
    Rim(pressed, kPressedRim3);
    Centre(pressed, kPressedCentre3);
  }
  rows.push_back(pressed);

  Row checked = Button("checked push-like check box", fx::kPushChecked, Drive::kNone, style);
  CheckedRim(checked);
  if (style3) Centre(checked, kPressedCentre3);
  rows.push_back(checked);

  Row indeterminate = Button("indeterminate push-like check box", fx::kPushIndeterminate, Drive::kNone, style);
  CheckedRim(indeterminate);
  indeterminate.probes.push_back(Somewhere({20, 6, 90, 22}, kDimText));
  rows.push_back(indeterminate);

  rows.push_back({"disabled push button", fx::kPushDisabled, Drive::kNone,
                  {At(55, 1, kDisabledFrame), At(55, 2, kDisabledFill), At(6, 6, kDisabledFill),
                   Somewhere({20, 6, 90, 22}, kDimText)}});

  Row hot = Button("push button under the mouse", fx::kPush, Drive::kHover, style);
  Rim(hot, kHotRim);
  rows.push_back(hot);

  Row focused = Button("focused push button", fx::kPush, Drive::kFocus, style);
  if (style3) Rim(focused, kFocusedRim3);
  if (style == 2) Rim(focused, kHotRim);
  rows.push_back(focused);

  Row held = Button("push button held down (pressed and focused)", fx::kPush, Drive::kPressHold, style);
  if (style3) {
    Rim(held, kPressedRim3);
    Centre(held, kPressedCentre3);
  }
  rows.push_back(held);

  // Check boxes and radio buttons: the 13-pixel mark at the top left; its inside
  // from (3,3) to (9,9).
  rows.push_back({"check box", fx::kCheck, Drive::kNone, {At(6, 0, kMarkFrame), At(0, 6, kMarkFrame), At(6, 14, kFace)}});
  rows.push_back({"checked check box", fx::kCheckChecked, Drive::kNone, {At(3, 5, kTick), At(9, 3, kTick)}});
  rows.push_back({"indeterminate check box", fx::kCheckIndeterminate, Drive::kNone, {At(6, 6, RGB(115, 195, 115))}});
  rows.push_back({"disabled check box", fx::kCheckDisabled, Drive::kNone, {At(6, 0, kDisabledFrame), At(6, 6, kWhite)}});
  rows.push_back({"disabled checked check box", fx::kCheckDisabledChecked, Drive::kNone, {At(3, 5, kDisabledTick)}});
  rows.push_back({"tall check box without alignment bits: box at the top", fx::kCheckTall, Drive::kNone,
                  {At(6, 0, kMarkFrame), At(6, 20, kFace)}});
  rows.push_back({"tall check box, BS_VCENTER: box in the middle", fx::kCheckTallCentred, Drive::kNone,
                  {At(6, 13, kMarkFrame), At(6, 0, kFace)}});
  rows.push_back({"check box with BS_LEFTTEXT: box at the right", fx::kCheckLeftText, Drive::kNone,
                  {At(-7, 0, kMarkFrame), At(6, 0, kFace)}});
  rows.push_back({"check box under the mouse", fx::kCheck, Drive::kHover, {At(4, 4, RGB(231, 231, 231))}});
  rows.push_back({"checked check box under the mouse", fx::kCheckChecked, Drive::kHover, {At(4, 4, RGB(247, 247, 247))}});

  rows.push_back({"radio button", fx::kRadio, Drive::kNone, {At(6, 0, kMarkFrame), At(0, 0, kFace)}});
  rows.push_back({"checked radio button", fx::kRadioChecked, Drive::kNone, {At(6, 6, kTick)}});
  rows.push_back({"disabled radio button", fx::kRadioDisabled, Drive::kNone, {At(6, 0, kDisabledFrame), At(6, 3, kFace)}});
  rows.push_back({"disabled checked radio button", fx::kRadioDisabledChecked, Drive::kNone, {At(6, 6, kDisabledTick)}});

  // Group boxes: the top edge at half the caption's height, open behind the
  // caption (10 pixels in, or centred), closed without one.
  const int top = CaptionSize(L"分组 Group").cy / 2;
  const int centredCaptionLeft = (115 - CaptionSize(L"Centred").cx) / 2;
  rows.push_back({"group box", fx::kGroup, Drive::kNone,
                  {At(0, 30, kGroupFrame), At(-1, 30, kGroupFrame), At(50, -1, kGroupFrame), At(0, -1, kFace),
                   At(5, top, kGroupFrame), At(9, top, kFace)}});
  rows.push_back({"group box with a centred caption", fx::kGroupCentred, Drive::kNone,
                  {At(3, top, kGroupFrame), At(centredCaptionLeft - 1, top, kFace)}});
  rows.push_back({"group box without caption", fx::kGroupEmpty, Drive::kNone,
                  {At(3, top, kGroupFrame), At(57, top, kGroupFrame)}});

  // Edit boxes, 110 x 24: the style's frame, then the inside's colour.
  const COLORREF frame = kFrameOf[style];
  for (auto [what, id] : {std::pair{"edit box with a client edge", fx::kEditClientEdge},
                          std::pair{"edit box with a single-line border", fx::kEditBorder}}) {
    rows.push_back({what, id, Drive::kNone, {At(55, 0, frame), At(55, 1, kWindowColour), At(0, 12, frame), At(-1, 12, frame)}});
  }
  rows.push_back({"edit box without border keeps the system's painting", fx::kEditNoBorder, Drive::kNone,
                  {At(55, 0, kWindowColour), At(0, 12, kWindowColour)}});
  rows.push_back({"read-only edit box", fx::kEditReadOnly, Drive::kNone, {At(55, 0, frame), At(55, 1, kFace)}});
  rows.push_back({"disabled edit box", fx::kEditDisabled, Drive::kNone, {At(55, 0, kDisabledFrame), At(55, 1, kFace)}});
  rows.push_back({"up-down joined to its edit box", fx::kUpDownJoined, Drive::kNone,
                  {At(8, 0, frame), At(8, 1, kWindowColour), At(-1, 12, frame), Somewhere({3, 3, 13, 21}, kGlyphOf[style])}});

  // Combo boxes: frames, and the drop-down button at the right with its chevron.
  const int button = GetSystemMetrics(SM_CYVTHUMB);
  const RECT chevron = {130 - 2 - button + 2, 4, 130 - 4, 17};
  for (auto [what, id] : {std::pair{"drop-down combo box", fx::kComboDropDown},
                          std::pair{"drop-down-list combo box", fx::kComboList}}) {
    rows.push_back({what, id, Drive::kNone, {At(65, 0, frame), At(65, 1, kWindowColour), Somewhere(chevron, kGlyphOf[style])}});
  }
  rows.push_back({"disabled drop-down-list combo box", fx::kComboListDisabled, Drive::kNone,
                  {At(65, 0, kDisabledFrame), At(65, 1, kFace), Somewhere(chevron, kDisabledGlyph)}});
  rows.push_back({"simple combo box keeps the system's painting", fx::kComboSimple, Drive::kNone, {NotAt(65, 0, frame)}});

  // Up-downs: the frame colour behind two arrow buttons, a glyph in each.
  rows.push_back({"vertical up-down", fx::kUpDownVertical, Drive::kNone,
                  {At(0, 0, frame), At(10, 0, frame), Somewhere({3, 3, 17, 18}, kGlyphOf[style]),
                   Somewhere({3, 22, 17, 37}, kGlyphOf[style])}});
  rows.push_back({"horizontal up-down", fx::kUpDownHorizontal, Drive::kNone,
                  {At(0, 0, frame), Somewhere({3, 3, 18, 17}, kGlyphOf[style]), Somewhere({22, 3, 37, 17}, kGlyphOf[style])}});
  rows.push_back({"disabled up-down", fx::kUpDownDisabled, Drive::kNone,
                  {At(0, 0, kDisabledFrame), Somewhere({3, 3, 17, 37}, kDisabledGlyph)}});
  return rows;
}

// ---- driving the program ----

INPUT Mouse(DWORD flags, POINT screen = {}) {
  INPUT input = {};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags;
  if (flags & MOUSEEVENTF_ABSOLUTE) {
    input.mi.dx = MulDiv(screen.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = MulDiv(screen.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
  }
  return input;
}

void SendMouse(DWORD flags, POINT screen = {}) {
  INPUT input = Mouse(flags, screen);
  SendInput(1, &input, sizeof input);
  Sleep(30);
}

// Moves the mouse and waits until the system has it there.
void MoveMouse(POINT screen) {
  SendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, screen);
  const DWORD start = GetTickCount();
  POINT now = {};
  while (GetCursorPos(&now) && (now.x != screen.x || now.y != screen.y) && GetTickCount() - start < 1000) Sleep(10);
}

class ControlLook : public ::testing::Test {
 protected:
  void SetUp() override {
    program_ = std::make_unique<Program>(L"look_program.exe", L"3");
    window_ = program_->WaitForWindow(fx::kWindowClass);
    ASSERT_NE(window_, nullptr);
    ASSERT_TRUE(test::FocusWindow(window_));
    MoveMouse(Background());
  }
  void TearDown() override {
    SendMouse(MOUSEEVENTF_LEFTUP);
    if (window_ && IsWindow(window_)) PostMessageW(window_, WM_CLOSE, 0, 0);
    if (program_) program_->WaitForExit(5000);
  }

  HWND Control(int id) const { return GetDlgItem(window_, id); }
  LRESULT Ask(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
    return SendMessageW(window_, message, wParam, lParam);
  }
  bool SetLook(int style) const { return Ask(fx::kSetLook, style) != 0; }
  // Switches to the style and waits until the screen shows it: the program's
  // painting reaches the screen a little later.
  bool SwitchTo(int style) const {
    return SetLook(style) &&
           WaitForProbes(Control(fx::kPushPressed), {At(55, 1, kButtonFrameOf[style])}).empty() &&
           WaitForProbes(Control(fx::kPushDefault), {At(55, 1, kButtonFrameOf[style])}).empty();
  }
  bool HasOwnProcedure(int id, bool comboList = false) const { return Ask(fx::kHasOwnProcedure, id, comboList) != 0; }

  // A point of the window's own background, clear of every control.
  POINT Background() const { return OnScreen(window_, {1000, 420}); }
  static POINT OnScreen(HWND window, POINT client) {
    ClientToScreen(window, &client);
    return client;
  }
  POINT CentreOf(int id) const {
    RECT rect;
    GetClientRect(Control(id), &rect);
    return OnScreen(Control(id), {rect.right / 2, rect.bottom / 2});
  }

  // The probes' mismatches once there are none (painting comes a little later),
  // or those of the last look after the timeout.
  static std::vector<std::string> WaitForProbes(HWND control, const std::vector<Probe>& probes,
                                                DWORD timeoutMs = 2000) {
    const DWORD start = GetTickCount();
    for (;;) {
      const ScreenShot shot(control);
      std::vector<std::string> mismatches;
      for (const Probe& probe : probes) {
        if (std::string mismatch = probe.Mismatch(shot); !mismatch.empty()) mismatches.push_back(mismatch);
      }
      if (mismatches.empty() || GetTickCount() - start >= timeoutMs) return mismatches;
      Sleep(50);
    }
  }

  // Presses the left button over the push button and keeps it down, once the
  // button reports itself pushed.
  void PressAndHold(int id) const {
    MoveMouse(CentreOf(id));
    SendMouse(MOUSEEVENTF_LEFTDOWN);
    const DWORD start = GetTickCount();
    while (!(SendMessageW(Control(id), BM_GETSTATE, 0, 0) & BST_PUSHED) && GetTickCount() - start < 1000) Sleep(10);
  }

  void Drive(const Row& row) {
    switch (row.drive) {
      case Drive::kNone: break;
      case Drive::kHover: MoveMouse(CentreOf(row.id)); break;
      case Drive::kFocus: Ask(fx::kFocus, row.id); break;
      case Drive::kPressHold: PressAndHold(row.id); break;
    }
  }
  void Undo(const Row& row) {
    if (row.drive == Drive::kPressHold) SendMouse(MOUSEEVENTF_LEFTUP);
    if (row.drive != Drive::kNone) MoveMouse(Background());
    if (row.drive == Drive::kFocus || row.drive == Drive::kPressHold) Ask(fx::kFocus, fx::kListBox);
  }

  std::unique_ptr<Program> program_;
  HWND window_ = nullptr;
};

TEST_F(ControlLook, EachKindShowsEachStateInEachStyle) {
  for (int style : {1, 2, 3}) {
    ASSERT_TRUE(SwitchTo(style));
    for (const Row& row : RowsFor(style)) {
      Drive(row);
      for (const std::string& mismatch : WaitForProbes(Control(row.id), row.probes)) {
        ADD_FAILURE() << "style " << style << ", " << row.what << ": " << mismatch;
      }
      Undo(row);
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
    PressAndHold(fx::kPush);
    EXPECT_EQ(test::FocusOf(window_), Control(fx::kPush)) << "style " << style;
    EXPECT_TRUE(WaitForProbes(Control(fx::kPush), {At(55, 2, pressedRim.first), At(55, -3, pressedRim.second)}).empty())
        << "style " << style;
    SendMouse(MOUSEEVENTF_LEFTUP);
    MoveMouse(Background());
  }
}

TEST_F(ControlLook, HoveringWithTheLeftButtonHeldDoesNotLightAButton) {
  const POINT besideButton = OnScreen(window_, {65, 44});  // between the first two rows
  MoveMouse(besideButton);
  SendMouse(MOUSEEVENTF_LEFTDOWN);
  MoveMouse(CentreOf(fx::kPush));
  Sleep(300);
  EXPECT_EQ(RimOf(Control(fx::kPush)).first, kNormalRim.top) << "not hot while the button is held";
  SendMouse(MOUSEEVENTF_LEFTUP);
  MoveMouse(besideButton);
  MoveMouse(CentreOf(fx::kPush));
  EXPECT_TRUE(WaitForProbes(Control(fx::kPush), {At(55, 2, kHotRim.top)}).empty()) << "hot once it is released";
}

constexpr COLORREF kMarker = RGB(255, 0, 255);  // see fx::kMark

TEST_F(ControlLook, AnUpDownRepaintsWhenTheMouseCrossesItsMiddleAndNotBefore) {
  // The vertical up-down is 20 x 40: arrow halves from rows 1 to 19 and 20 to 38.
  // The half under the mouse shows the hot face, the other the normal one; they
  // differ in the halves' bottom rows.
  HWND upDown = Control(fx::kUpDownVertical);
  const ScreenShot before(upDown);
  const COLORREF normal = before.At(10, 19);
  ASSERT_EQ(before.At(10, 38), normal);
  MoveMouse(OnScreen(upDown, {10, 8}));
  ASSERT_TRUE(WaitForProbes(upDown, {NotAt(10, 19, normal), At(10, 38, normal, 0)}).empty()) << "upper half hot";
  const COLORREF hot = ScreenShot(upDown).At(10, 19);

  Ask(fx::kMark, fx::kUpDownVertical, MAKELPARAM(10, 30));
  ASSERT_TRUE(WaitForProbes(upDown, {At(10, 30, kMarker)}).empty());
  MoveMouse(OnScreen(upDown, {10, 12}));
  Sleep(300);
  EXPECT_TRUE(WaitForProbes(upDown, {At(10, 30, kMarker)}, 0).empty()) << "no repaint inside the upper half";

  MoveMouse(OnScreen(upDown, {10, 28}));
  EXPECT_TRUE(WaitForProbes(upDown, {At(10, 19, normal, 0), At(10, 38, hot, 0), NotAt(10, 30, kMarker)}).empty())
      << "repainted at the crossing, the lower half hot";

  Ask(fx::kMark, fx::kUpDownVertical, MAKELPARAM(10, 10));
  ASSERT_TRUE(WaitForProbes(upDown, {At(10, 10, kMarker)}).empty());
  MoveMouse(OnScreen(upDown, {10, 33}));
  Sleep(300);
  EXPECT_TRUE(WaitForProbes(upDown, {At(10, 10, kMarker)}, 0).empty()) << "no repaint inside the lower half";
}

TEST_F(ControlLook, StyleZeroGivesEveryWindowItsOwnProcedureBack) {
  struct Window {
    int id;
    bool comboList;
    bool takenOver;
  };
  const Window windows[] = {
      {fx::kPush, false, true}, {fx::kPushDefault, false, true}, {fx::kPushChecked, false, true},
      {fx::kPushLater, false, true}, {fx::kCheck, false, true}, {fx::kRadio, false, true},
      {fx::kGroup, false, true}, {fx::kEditClientEdge, false, true}, {fx::kEditNoBorder, false, true},
      {fx::kUpDownJoined, false, true}, {fx::kComboDropDown, false, true}, {fx::kComboDropDown, true, true},
      {fx::kComboList, false, true}, {fx::kComboList, true, true}, {fx::kUpDownVertical, false, true},
      {fx::kBitmapButton, false, false}, {fx::kComboSimple, false, false}, {fx::kComboSimple, true, false},
      {fx::kListBox, false, false}, {fx::kScrollBar, false, false}, {fx::kProgressBar, false, false},
      {fx::kTrackBar, false, false},
  };
  for (const Window& window : windows) {
    EXPECT_EQ(HasOwnProcedure(window.id, window.comboList), !window.takenOver)
        << "control " << window.id << (window.comboList ? "'s list" : "") << " under style 3";
  }

  EXPECT_TRUE(SetLook(0)) << "the hook was removed";
  for (const Window& window : windows) {
    EXPECT_TRUE(HasOwnProcedure(window.id, window.comboList))
        << "control " << window.id << (window.comboList ? "'s list" : "") << " under style 0";
  }
  EXPECT_TRUE(WaitForProbes(Control(fx::kPush), {NotAt(55, 1, kButtonFrameOf[3])}).empty())
      << "the system paints the button again";
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
  EXPECT_TRUE(WaitForProbes(checkBox, {NotAt(3, 5, kTick)}).empty()) << "no tick of the look";
  ASSERT_TRUE(SwitchTo(3));
  EXPECT_TRUE(WaitForProbes(checkBox, {At(3, 5, kTick), At(6, 0, kMarkFrame)}).empty()) << "the look paints it again";
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
