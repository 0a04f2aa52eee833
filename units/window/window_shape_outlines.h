// The outlines of window shapes 4 to 29: points with coordinates 0..32767 that are
// scaled to the window's outer size.
#pragma once

#include <cstdint>
#include <vector>

namespace vx {

namespace window_shape {
constexpr int32_t kRectangle = 0;
constexpr int32_t kEllipse = 1;
constexpr int32_t kRoundedRectangle = 2;
constexpr int32_t kRing = 3;
constexpr int32_t kFirstOutline = 4;
constexpr int32_t kLastOutline = 29;
}  // namespace window_shape

struct ShapePoint {
  int32_t x;
  int32_t y;
};

// The outline of a shape, scaled to width x height as MulDiv scales (rounded to
// the nearest); empty for shapes without an outline.
std::vector<ShapePoint> ScaledOutline(int32_t shape, int32_t width, int32_t height);

}  // namespace vx
