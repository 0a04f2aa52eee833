#include "units/unit_base/value_clamps.h"

#include <gtest/gtest.h>

#include <climits>

namespace vx {
namespace {

TEST(ValueClamps, PickListTakesZeroToCountMinusOne) {
  EXPECT_EQ(ClampPickList(-1, 6), 0);
  EXPECT_EQ(ClampPickList(INT32_MIN, 6), 0);
  EXPECT_EQ(ClampPickList(0, 6), 0);
  EXPECT_EQ(ClampPickList(5, 6), 5);
  EXPECT_EQ(ClampPickList(6, 6), 5);
  EXPECT_EQ(ClampPickList(INT32_MAX, 3), 2);
  EXPECT_EQ(ClampPickList(12, 9), 8);  // a label's GradientMode
}

TEST(ValueClamps, RangeValuesStayWithin0To32767) {
  EXPECT_EQ(ClampRange(-10), 0);
  EXPECT_EQ(ClampRange(0), 0);
  EXPECT_EQ(ClampRange(500), 500);
  EXPECT_EQ(ClampRange(32767), 32767);
  EXPECT_EQ(ClampRange(32768), 32767);
  EXPECT_EQ(ClampRange(INT32_MAX), 32767);
}

TEST(ValueClamps, ControlRangeTakesTheSmallerEndAsLowAndStepsWithinTheSpan) {
  ControlRange range = RangeOf(50, 10);
  EXPECT_EQ(range.low, 10);
  EXPECT_EQ(range.high, 50);
  EXPECT_EQ(range.Clamp(500), 50);
  EXPECT_EQ(range.Clamp(0), 10);
  EXPECT_EQ(range.Step(0), 1);
  EXPECT_EQ(range.Step(100), 40);
  EXPECT_EQ(RangeOf(7, 7).Step(5), 1) << "span 0";
}

}  // namespace
}  // namespace vx
