#include "units/window/window_shape_outlines.h"

#include <gtest/gtest.h>

namespace vx {
namespace {

TEST(WindowShapeOutlines, EveryOutlineHasItsPointCount) {
  const size_t counts[] = {4, 3, 3, 3, 4, 5, 6, 4, 4, 10, 8, 11, 24, 28, 6, 5, 7, 7, 7, 7, 10, 10, 24, 17, 8, 5};
  for (int32_t shape = 4; shape <= 29; ++shape) {
    EXPECT_EQ(ScaledOutline(shape, 100, 100).size(), counts[shape - 4]) << "shape " << shape;
  }
}

TEST(WindowShapeOutlines, PointsAreScaledToTheWindowSize) {
  std::vector<ShapePoint> triangle = ScaledOutline(4, 400, 300);
  ASSERT_EQ(triangle.size(), 4u);
  EXPECT_EQ(triangle[0].x, 200);  // 16383 * 400 / 32767 = 199.99
  EXPECT_EQ(triangle[0].y, 0);
  EXPECT_EQ(triangle[1].x, 400);
  EXPECT_EQ(triangle[1].y, 300);
}

TEST(WindowShapeOutlines, EveryPointLiesInsideTheWindow) {
  for (int32_t shape = 4; shape <= 29; ++shape) {
    for (const ShapePoint& point : ScaledOutline(shape, 640, 480)) {
      EXPECT_TRUE(point.x >= 0 && point.x <= 640 && point.y >= 0 && point.y <= 480) << "shape " << shape;
    }
  }
}

TEST(WindowShapeOutlines, ShapesWithoutAnOutlineGiveNone) {
  for (int32_t shape : {0, 1, 2, 3, 30, -1}) EXPECT_TRUE(ScaledOutline(shape, 10, 10).empty());
}

}  // namespace
}  // namespace vx
