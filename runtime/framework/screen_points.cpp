#include "runtime/framework/screen_points.h"

#include <windows.h>

namespace vx {
namespace {

constexpr int kPointsPerInch = 72;
constexpr int kStandardPixelsPerInch = 96;

}  // namespace

int ScreenPixelsPerInch() {
  HDC screen = GetDC(nullptr);
  int pixels = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 0;
  if (screen) ReleaseDC(nullptr, screen);
  return pixels > 0 ? pixels : kStandardPixelsPerInch;
}

int32_t FontHeightFromPoints(int32_t points) { return -MulDiv(points, ScreenPixelsPerInch(), kPointsPerInch); }

int32_t PointsFromFontHeight(int32_t height) {
  return MulDiv(height < 0 ? -height : height, kPointsPerInch, ScreenPixelsPerInch());
}

}  // namespace vx
