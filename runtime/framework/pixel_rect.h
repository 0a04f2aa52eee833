// A rectangle of pixels, half-open like a Windows RECT: left and top inside, right
// and bottom outside. Pure, so pixel arithmetic is tested natively.
#pragma once

namespace vx {

struct PixelRect {
  int left = 0, top = 0, right = 0, bottom = 0;

  constexpr int width() const { return right - left; }
  constexpr int height() const { return bottom - top; }
  constexpr bool empty() const { return right <= left || bottom <= top; }
  constexpr PixelRect Deflated(int by) const { return {left + by, top + by, right - by, bottom - by}; }
  constexpr PixelRect Deflated(int x, int y) const { return {left + x, top + y, right - x, bottom - y}; }
  friend constexpr bool operator==(const PixelRect&, const PixelRect&) = default;
};

}  // namespace vx
