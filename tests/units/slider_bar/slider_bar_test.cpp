// The slider bar on a window loaded by the runtime: its range rules as a program
// meets them, and its thumb moved by a user's keys and mouse.
#include "units/slider_bar/slider_bar_unit.h"

#include <commctrl.h>
#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

#include "runtime/property_access.h"
#include "tests/support/program_fixture.h"
#include "tests/support/user_input.h"
#include "units/slider_bar/slider_bar_data.h"
#include "units/unit_types/core_unit_types.h"
#include "units/window/window_data.h"

namespace vx {
namespace {

constexpr uint32_t kWindow = 0x52010001;
constexpr uint32_t kOwnUnit = 0x06010000;
constexpr uint32_t kSlider = 0x16010001;
using namespace slider_bar_property;

// What reached the slider's window and its handler, in order: a scroll
// notification with its code, or PositionChanged with the Position it read.
struct Step {
  enum Kind { kScroll, kEvent } kind;
  int32_t value;
  bool operator==(const Step&) const = default;
};
std::vector<Step> steps;
HWND watchedSlider = nullptr;

int64_t OnPositionChanged(const EventArguments&) {
  steps.push_back({Step::kEvent, static_cast<int32_t>(ReadUnitProperty(kWindow, kSlider, kPosition, -1))});
  return 0;
}
const ProgramHandler kHandlers[] = {{OnPositionChanged, false}};

LRESULT CALLBACK OnMessage(int code, WPARAM wParam, LPARAM lParam) {
  const auto* message = reinterpret_cast<const CWPSTRUCT*>(lParam);
  if (code == HC_ACTION && message->message == WM_HSCROLL && reinterpret_cast<HWND>(message->lParam) == watchedSlider) {
    steps.push_back({Step::kScroll, LOWORD(message->wParam)});
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

class SliderBarTest : public test::ProgramFixture {
 protected:
  // Range 0..10, thumb at 3, page size 5.
  void SetUp() override {
    steps.clear();
    UnitDescription own = test::Unit(kOwnUnit, core_unit_type::kWindow, {0, 0, 320, 160}, kUnitVisible,
                                     StoreProperties(WindowData{.caption = "滑块条"}));
    UnitDescription slider =
        test::Unit(kSlider, core_unit_type::kSliderBar, {20, 20, 280, 60}, kUnitVisible | kUnitTakesFocus,
                   StoreProperties(SliderBarData{.minimum = 0, .maximum = 10, .position = 3}));
    slider.stored.bindings = {{0, 0}};
    WindowDescription window;
    window.id = kWindow;
    window.items = {own, slider};
    StartProgram({window}, kHandlers, true, &CoreLibrary());
    slider_ = watchedSlider = Control(kWindow, kSlider);
    ASSERT_NE(slider_, nullptr);
    hook_ = SetWindowsHookExW(WH_CALLWNDPROC, OnMessage, nullptr, GetCurrentThreadId());
  }
  void TearDown() override {
    UnhookWindowsHookEx(hook_);
    ProgramFixture::TearDown();
  }

  static int32_t Read(int index) { return static_cast<int32_t>(ProgramFixture::Read(kWindow, kSlider, index)); }
  static void Write(int index, int32_t value) {
    ProgramFixture::Write(kWindow, kSlider, index, static_cast<uint32_t>(value));
  }
  int32_t Ask(UINT message) const { return static_cast<int32_t>(SendMessageW(slider_, message, 0, 0)); }

  void TakeFocus() {
    ASSERT_TRUE(test::BringToFront(Control(kWindow, kOwnUnit)));
    SetFocus(slider_);
    steps.clear();
  }

  HWND slider_ = nullptr;
  HHOOK hook_ = nullptr;
};

TEST_F(SliderBarTest, RangeValuesAreClampedStoredAsWrittenAndGivenToTheControlSmallEndLow) {
  Write(kMinimum, -10);
  EXPECT_EQ(Read(kMinimum), 0);
  Write(kMinimum, 50);
  Write(kMaximum, 10);
  EXPECT_EQ(Ask(TBM_GETRANGEMIN), 10) << "50..10 given as 10..50";
  EXPECT_EQ(Ask(TBM_GETRANGEMAX), 50);
  EXPECT_EQ(Read(kMinimum), 50);
  EXPECT_EQ(Read(kMaximum), 10);

  Write(kMinimum, 10);
  EXPECT_EQ(Ask(TBM_GETLINESIZE), 1) << "span 0";
  EXPECT_EQ(Ask(TBM_GETPAGESIZE), 1);
  Write(kPageSize, 0);
  EXPECT_EQ(Read(kPageSize), 1);
  Write(kMaximum, 30);
  EXPECT_EQ(Ask(TBM_GETPAGESIZE), 1) << "the stored page size, fitted to the new span";
  Write(kPageSize, 50);
  EXPECT_EQ(Ask(TBM_GETPAGESIZE), 20);

  Write(kPosition, 25);
  EXPECT_EQ(Ask(TBM_GETPOS), 25);
  EXPECT_TRUE(steps.empty()) << "writing Position raises nothing";
}

TEST_F(SliderBarTest, ChangingOrientationRemakesTheControlWithTheStoredRangeAndTheThumbsPosition) {
  TakeFocus();
  test::PressKey(VK_RIGHT);
  Write(kOrientation, 1);
  HWND remade = Control(kWindow, kSlider);
  ASSERT_NE(remade, slider_);
  EXPECT_TRUE(GetWindowLongW(remade, GWL_STYLE) & TBS_VERT);
  EXPECT_EQ(SendMessageW(remade, TBM_GETRANGEMIN, 0, 0), 0);
  EXPECT_EQ(SendMessageW(remade, TBM_GETRANGEMAX, 0, 0), 10);
  EXPECT_EQ(SendMessageW(remade, TBM_GETPOS, 0, 0), 4) << "where the user left the thumb";
}

// A key moves the thumb once: one PositionChanged with the new Position, then the
// closing TB_ENDTRACK raises nothing.
struct KeyMove {
  const char* name;
  WORD key;
  int32_t scrollCode;
  int32_t position;
};

void PrintTo(const KeyMove& move, std::ostream* out) { *out << move.name; }

class SliderKeyTest : public SliderBarTest, public ::testing::WithParamInterface<KeyMove> {};

TEST_P(SliderKeyTest, RaisesPositionChangedOnceWithTheNewPosition) {
  TakeFocus();
  test::PressKey(GetParam().key);
  EXPECT_EQ(steps, (std::vector<Step>{{Step::kScroll, GetParam().scrollCode},
                                      {Step::kEvent, GetParam().position},
                                      {Step::kScroll, TB_ENDTRACK}}));
  EXPECT_EQ(Read(kPosition), GetParam().position);
}

INSTANTIATE_TEST_SUITE_P(Keys, SliderKeyTest,
                         ::testing::Values(KeyMove{"Right", VK_RIGHT, TB_LINEDOWN, 4},
                                           KeyMove{"PageDown", VK_NEXT, TB_PAGEDOWN, 8},
                                           KeyMove{"Home", VK_HOME, TB_TOP, 0}),
                         [](const ::testing::TestParamInfo<KeyMove>& info) { return info.param.name; });

TEST_F(SliderBarTest, DraggingTheThumbRaisesPositionChangedWhileItMovesAndNotAfterTheEnd) {
  TakeFocus();
  RECT thumb, channel;
  SendMessageW(slider_, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
  SendMessageW(slider_, TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&channel));
  POINT from = test::ScreenCentre(slider_, thumb);
  POINT to = from;
  to.x += (channel.right - channel.left) * 4 / 10;  // about four steps on
  test::DragFromTo(from, to);

  auto moved = static_cast<int32_t>(SendMessageW(slider_, TBM_GETPOS, 0, 0));
  EXPECT_GT(moved, 5);
  std::vector<int32_t> positions;
  for (size_t i = 0; i < steps.size(); ++i) {
    if (steps[i].kind == Step::kEvent) positions.push_back(steps[i].value);
    bool notifies = steps[i].kind == Step::kScroll && steps[i].value != TB_ENDTRACK;
    bool eventFollows = i + 1 < steps.size() && steps[i + 1].kind == Step::kEvent;
    EXPECT_EQ(eventFollows, notifies) << "step " << i;
  }
  ASSERT_GE(positions.size(), 2u);
  EXPECT_EQ(positions.back(), moved);
  EXPECT_EQ(steps.back(), (Step{Step::kScroll, TB_ENDTRACK}));
  EXPECT_EQ(Read(kPosition), moved);
}

}  // namespace
}  // namespace vx
