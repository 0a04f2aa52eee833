#include "units/window/window_region.h"

#include <algorithm>
#include <vector>

#include "units/window/window_shape_outlines.h"

namespace vx {

HRGN MakeShapeRegion(int32_t shape, int32_t width, int32_t height) {
  switch (shape) {
    case window_shape::kRectangle:
      return nullptr;
    case window_shape::kEllipse:
      return CreateEllipticRgn(0, 0, width, height);
    case window_shape::kRoundedRectangle: {
      int corner = std::min(width / 5, height / 5);
      return CreateRoundRectRgn(0, 0, width, height, corner, corner);
    }
    case window_shape::kRing: {
      HRGN ring = CreateEllipticRgn(0, 0, width, height);
      HRGN hole = CreateEllipticRgn(width / 4, height / 4, width - width / 4, height - height / 4);
      CombineRgn(ring, ring, hole, RGN_DIFF);
      DeleteObject(hole);
      return ring;
    }
    default: {
      std::vector<ShapePoint> outline = ScaledOutline(shape, width, height);
      if (outline.empty()) return nullptr;
      std::vector<POINT> points;
      for (const ShapePoint& point : outline) points.push_back({point.x, point.y});
      return CreatePolygonRgn(points.data(), static_cast<int>(points.size()), WINDING);
    }
  }
}

void ApplyShape(HWND window, int32_t shape) {
  RECT rect;
  GetWindowRect(window, &rect);
  // The system owns a region once it is set, and deletes the one it replaces.
  SetWindowRgn(window, MakeShapeRegion(shape, rect.right - rect.left, rect.bottom - rect.top), TRUE);
}

}  // namespace vx
