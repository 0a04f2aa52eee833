#include "units/unit_base/value_clamps.h"

#include <gtest/gtest.h>

#include <climits>

namespace vx {
namespace {

TEST(ValueClamps, PickListsAndRangeValuesStayWithinTheirEnds) {
  EXPECT_EQ(PickList(6)(-1), 0);
  EXPECT_EQ(PickList(6)(INT32_MIN), 0);
  EXPECT_EQ(PickList(6)(5), 5);
  EXPECT_EQ(PickList(6)(6), 5);
  EXPECT_EQ(PickList(9)(12), 8);  // a label's GradientMode
  EXPECT_EQ(kRangeValue(-10), 0);
  EXPECT_EQ(kRangeValue(500), 500);
  EXPECT_EQ(kRangeValue(INT32_MAX), 32767);
  EXPECT_EQ(AtLeast(-1)(-7), -1);
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
