// The progress bar on a window loaded by the runtime, written and read as a
// program does.
#include "units/progress_bar/progress_bar_unit.h"

#include <commctrl.h>
#include <gtest/gtest.h>
#include <windows.h>

#include "tests/support/program_fixture.h"
#include "units/progress_bar/progress_bar_data.h"
#include "units/unit_types/core_unit_types.h"
#include "units/window/window_data.h"

namespace vx {
namespace {

constexpr uint32_t kWindow = 0x52010001;
constexpr uint32_t kOwnUnit = 0x06010000;
constexpr uint32_t kBar = 0x16010001;
using namespace progress_bar_property;

class ProgressBarTest : public test::ProgramFixture {
 protected:
  // The defaults: range 0..100, position 0.
  void SetUp() override {
    UnitDescription own = test::Unit(kOwnUnit, core_unit_type::kWindow, {0, 0, 320, 120}, kUnitVisible,
                                     StoreProperties(WindowData{.caption = "进度条"}));
    WindowDescription window;
    window.id = kWindow;
    window.items = {own, test::Unit(kBar, core_unit_type::kProgressBar, {20, 20, 280, 44}, kUnitVisible)};
    StartProgram({window}, nullptr, true, &CoreLibrary());
    bar_ = Control(kWindow, kBar);
    ASSERT_NE(bar_, nullptr);
  }

  static int32_t Read(int index) { return static_cast<int32_t>(ProgramFixture::Read(kWindow, kBar, index)); }
  static void Write(int index, int32_t value) {
    ProgramFixture::Write(kWindow, kBar, index, static_cast<uint32_t>(value));
  }
  int32_t Shown() const { return static_cast<int32_t>(SendMessageW(bar_, PBM_GETPOS, 0, 0)); }

  HWND bar_ = nullptr;
};

TEST_F(ProgressBarTest, APositionPastTheRangeShowsFullAndReadsAsWritten) {
  Write(kPosition, 500);
  EXPECT_EQ(Shown(), 100);
  EXPECT_EQ(Read(kPosition), 500);
  Write(kMaximum, 1000);
  EXPECT_EQ(Shown(), 500) << "the stored position, shown in the new range";
  Write(kPosition, 40000);
  EXPECT_EQ(Read(kPosition), 32767);
}

TEST_F(ProgressBarTest, TheSmallerEndIsTheControlsLowEnd) {
  Write(kMinimum, 80);
  Write(kMaximum, 20);
  PBRANGE range = {};
  SendMessageW(bar_, PBM_GETRANGE, TRUE, reinterpret_cast<LPARAM>(&range));
  EXPECT_EQ(range.iLow, 20);
  EXPECT_EQ(range.iHigh, 80);
  EXPECT_EQ(Read(kMinimum), 80);
  EXPECT_EQ(Shown(), 20) << "position 0 clamped into the range";
}

}  // namespace
}  // namespace vx
