// Buttons, labels and a group box as a user meets them in a running program:
// clicked, pressed with keys, sent the speech unit's message and looked at.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "tests/support/window_driving.h"
#include "tests/units/unit_types/simple_units_layout.h"

namespace vx {
namespace {

using namespace test::simple_units;
using Lines = std::vector<std::string>;

POINT Centre(const RECT& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }
bool Reddish(COLORREF c) { return GetRValue(c) > 160 && GetGValue(c) < 110 && GetBValue(c) < 110; }

// The window's client area as the screen shows it.
class ClientPixels {
 public:
  explicit ClientPixels(HWND window) {
    RECT client;
    GetClientRect(window, &client);
    POINT origin = {0, 0};
    ClientToScreen(window, &origin);
    width_ = client.right;
    pixels_.resize(static_cast<size_t>(client.right) * client.bottom);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, client.right, client.bottom);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, client.right, client.bottom, screen, origin.x, origin.y, SRCCOPY);
    SelectObject(memory, previous);
    BITMAPINFO info = {};
    info.bmiHeader = {sizeof info.bmiHeader, client.right, -client.bottom, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    GetDIBits(memory, bitmap, 0, client.bottom, pixels_.data(), &info, DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
  }
  COLORREF At(POINT p) const {
    uint32_t pixel = pixels_.at(static_cast<size_t>(p.y) * width_ + p.x);
    return RGB(pixel >> 16 & 0xFF, pixel >> 8 & 0xFF, pixel & 0xFF);
  }
  // The smallest rectangle inside `area` holding every red pixel; empty for none.
  RECT RedBounds(const RECT& area) const {
    RECT found = {area.right, area.bottom, area.left, area.top};
    for (LONG y = area.top; y < area.bottom; ++y) {
      for (LONG x = area.left; x < area.right; ++x) {
        if (!Reddish(At({x, y}))) continue;
        found = {std::min(found.left, x), std::min(found.top, y), std::max(found.right, x + 1),
                 std::max(found.bottom, y + 1)};
      }
    }
    return found.right > found.left ? found : RECT{};
  }
  bool operator==(const ClientPixels&) const = default;
  bool HasRed(const RECT& area) const {
    RECT found = RedBounds(area);
    return !IsRectEmpty(&found);
  }

 private:
  LONG width_;
  std::vector<uint32_t> pixels_;
};

class SimpleUnitsUser : public ::testing::Test {
 protected:
  void Start(const wchar_t* scenario) {
    program_ = std::make_unique<test::Program>(L"simple_units_program.exe",
                                               std::wstring(scenario) + L" \"" + record_.path() + L"\"");
    window_ = program_->WaitForWindow(test::kWindowUnitClass);
    ASSERT_NE(window_, nullptr);
    ASSERT_TRUE(test::FocusWindow(window_));
  }
  void TearDown() override {
    if (window_ && IsWindow(window_)) PostMessageW(window_, WM_CLOSE, 0, 0);
    if (program_) program_->WaitForExit(5000);
  }

  void ClickAt(POINT client) {
    ClientToScreen(window_, &client);
    test::ClickAt(client);
    Sleep(200);
  }
  HWND ChildAt(POINT client) const { return ChildWindowFromPoint(window_, client); }
  // The pixels once the window shows what `done` looks for and has stopped
  // changing (or after 3 s): the screen takes a painted window a little later.
  template <class Done>
  ClientPixels Painted(Done done) const {
    ClientPixels last(window_);
    for (DWORD start = GetTickCount(); GetTickCount() - start < 3000;) {
      Sleep(100);
      ClientPixels now(window_);
      if (done(now) && now == last) break;
      last = std::move(now);
    }
    return last;
  }
  // The recorded lines starting with prefix, once there are `count` of them (or
  // after 3 s).
  Lines Only(const std::string& prefix, size_t count = 1) const {
    Lines kept;
    for (DWORD start = GetTickCount(); kept.size() < count && GetTickCount() - start < 3000; Sleep(20)) {
      kept.clear();
      for (const std::string& line : test::RecordLines(record_)) {
        if (line.rfind(prefix, 0) == 0) kept.push_back(line);
      }
    }
    return kept;
  }

  test::TempFile record_{L"vx_simple_units"};
  std::unique_ptr<test::Program> program_;
  HWND window_ = nullptr;
};

TEST_F(SimpleUnitsUser, ButtonsAreClickedByMouseSpaceAndEnterAndTheirCaptionChangesInPlace) {
  Start(L"buttons");
  HWND start = ChildAt(Centre(kStartButton)), stop = ChildAt(Centre(kStopButton));
  ASSERT_EQ(test::WaitForFocus(window_, GetDlgCtrlID(stop)), GetDlgCtrlID(stop)) << "停止 is first in the tab order";
  test::PressKeys({}, VK_SPACE);
  EXPECT_EQ(Only("click"), Lines{"click stop"});
  test::PressKeys({}, VK_RETURN);  // the window clicks its default button
  EXPECT_EQ(Only("click", 2), (Lines{"click stop", "click start"}));
  EXPECT_EQ(test::TextOf(start), L"暂停");

  ClickAt(Centre(kStartButton));
  EXPECT_EQ(Only("click", 3).size(), 3u);
  EXPECT_EQ(Only("blur"), Lines{"blur stop"}) << "the click took the focus from 停止";
  EXPECT_EQ(test::TextOf(start), L"开始");
  ClickAt(Centre(kStopButton));
  EXPECT_EQ(Only("click", 4), (Lines{"click stop", "click start", "click start", "click stop"}));
  EXPECT_EQ(ChildAt(Centre(kStartButton)), start) << "the same control took both captions";
}

TEST_F(SimpleUnitsUser, TheLabelAnswersFeedbackWithItsHandlersValueAndValuesAreClamped) {
  Start(L"values");
  ASSERT_FALSE(Only("picture").empty()) << "the entry is done with its writes";
  HWND answering = ChildAt({20, 20}), plain = ChildAt({20, 50});
  ASSERT_EQ(test::TextOf(answering), L"回答");
  EXPECT_EQ(SendMessageW(answering, 0x8075, 1, 0), 42);
  EXPECT_EQ(Only("feedback"), Lines{"feedback 1 0"});
  EXPECT_EQ(SendMessageW(plain, 0x8075, 1, 0), 0) << "no handler: 0";
  EXPECT_EQ(Only("frame width"), Lines{"frame width 5"});
  EXPECT_EQ(Only("gradient mode"), Lines{"gradient mode 8"});
  EXPECT_EQ(Only("picture"), Lines{"picture: new control 1, caption 图片"}) << "a new Picture re-creates the button";
}

TEST_F(SimpleUnitsUser, LabelsShowTheirFramesBackgroundsAndCaptionPlaces) {
  Start(L"labels");
  COLORREF face = GetSysColor(COLOR_BTNFACE);
  ClientPixels pixels = Painted([](const ClientPixels& p) { return p.HasRed(kWrappedLabel); });
  const LONG frameY = Centre(kFrameLabel).y, oneY = Centre(kOneColourFrame).y;
  const struct {
    const char* what;
    POINT at;
    COLORREF expected;
  } probes[] = {
      {"outer ring", {kFrameLabel.left, frameY}, kGrey},
      {"middle ring", {kFrameLabel.left + 4, frameY}, kWhite},
      {"inner ring", {kFrameLabel.left + 8, frameY}, kGrey},
      {"inside the frame", {kFrameLabel.left + 11, kFrameLabel.top + 11}, face},
      {"one colour: no frame", {kOneColourFrame.left, oneY}, kWhite},
      {"the system colour for 0xFF000000", {kPlainLabel.right - 3, kPlainLabel.top + 3}, face},
      {"an RGB background", {kLightBlueLabel.left + 3, kLightBlueLabel.top + 3}, kLightBlue},
  };
  for (const auto& probe : probes) {
    EXPECT_EQ(pixels.At(probe.at), probe.expected) << probe.what << ": " << std::hex << pixels.At(probe.at);
  }

  constexpr LONG kSlack = 5;
  RECT left = pixels.RedBounds(kAlignedLabels[0]), centre = pixels.RedBounds(kAlignedLabels[1]),
       right = pixels.RedBounds(kAlignedLabels[2]), wrapped = pixels.RedBounds(kWrappedLabel);
  EXPECT_LE(left.left - kAlignedLabels[0].left, kSlack);
  EXPECT_LE(left.top - kAlignedLabels[0].top, kSlack);
  EXPECT_LE(std::abs(Centre(centre).x - Centre(kAlignedLabels[1]).x), kSlack);
  EXPECT_LE(std::abs(Centre(centre).y - Centre(kAlignedLabels[1]).y), kSlack);
  EXPECT_LE(kAlignedLabels[2].right - right.right, kSlack);
  EXPECT_LE(kAlignedLabels[2].bottom - right.bottom, kSlack);
  EXPECT_GE(wrapped.bottom - wrapped.top, 2 * 16) << "the long caption wraps onto two lines of a 16-pixel font";
  EXPECT_LE(wrapped.right, kWrappedLabel.right);
}

TEST_F(SimpleUnitsUser, AGroupBoxShowsItsColoursAndPassesItsUnitsTheirMessages) {
  Start(L"group");
  const RECT captionStrip = {kGroupBox.left, kGroupBox.top, kGroupBox.left + 120, kGroupBox.top + 16};
  ClientPixels pixels = Painted([&](const ClientPixels& p) { return p.HasRed(captionStrip); });
  EXPECT_TRUE(pixels.HasRed(captionStrip)) << "the caption is drawn in TextColour";
  EXPECT_EQ(pixels.At({kGroupBox.right - 15, kGroupBox.bottom - 15}), kLightYellow);

  auto inGroup = [](POINT p) { return POINT{kGroupBox.left + p.x, kGroupBox.top + p.y}; };
  ClickAt(inGroup(Centre(kChildButton)));
  EXPECT_EQ(Only("click"), Lines{"click child"});
  // A press near the slider's right end pages it up; the arrow key then moves it
  // one step. Both come back to the slider's unit as scroll events.
  ClickAt(inGroup({kChildSlider.right - 20, Centre(kChildSlider).y}));
  Lines paged = Only("scroll ");
  ASSERT_FALSE(paged.empty());
  int position = std::atoi(paged.back().c_str() + 7);
  EXPECT_GT(position, 0);
  test::PressKeys({}, VK_RIGHT);
  Lines stepped = Only("scroll ", paged.size() + 1);
  EXPECT_NE(std::find(stepped.begin(), stepped.end(), "scroll " + std::to_string(position + 1)), stepped.end());
}

}  // namespace
}  // namespace vx
