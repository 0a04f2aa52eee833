#include "commands/control_look/pixel_canvas.h"

#include <algorithm>

namespace vx::look {
namespace {

uint32_t Word(Rgb colour) { return (uint32_t{colour.r} << 16) | (uint32_t{colour.g} << 8) | colour.b; }

PixelRect Clip(const PixelRect& rect, const PixelRect& bounds) {
  return {std::max(rect.left, bounds.left), std::max(rect.top, bounds.top), std::min(rect.right, bounds.right),
          std::min(rect.bottom, bounds.bottom)};
}

// Weighted mean of three colours, weights summing to `total`, rounded.
Rgb Mix(Rgb a, int64_t wa, Rgb b, int64_t wb, Rgb c, int64_t wc, int64_t total) {
  auto channel = [&](uint8_t x, uint8_t y, uint8_t z) {
    return static_cast<uint8_t>((x * wa + y * wb + z * wc + total / 2) / total);
  };
  return {channel(a.r, b.r, c.r), channel(a.g, b.g, c.g), channel(a.b, b.b, c.b)};
}

}  // namespace

Rgb GradientAt(const Corners& corners, int width, int height, int x, int y) {
  // Positions run from 0 to the last pixel, so both ends take the end colours;
  // a one-pixel side has nothing to run across.
  const int64_t spanX = std::max(width - 1, 1), spanY = std::max(height - 1, 1);
  const int64_t u = std::clamp<int64_t>(x, 0, spanX), v = std::clamp<int64_t>(y, 0, spanY);
  if (corners.topLeft == corners.topRight && corners.bottomLeft == corners.bottomRight) {
    return Mix(corners.topLeft, spanY - v, corners.bottomLeft, v, corners.bottomLeft, 0, spanY);
  }
  // In units of spanX * spanY: the distances along each side, from the top-left
  // corner for the upper triangle and from the bottom-right one for the lower.
  const int64_t total = spanX * spanY;
  const int64_t across = u * spanY, down = v * spanX;
  if (across + down <= total) {
    return Mix(corners.topLeft, total - across - down, corners.topRight, across, corners.bottomLeft, down, total);
  }
  const int64_t back = total - across, up = total - down;
  return Mix(corners.bottomRight, total - back - up, corners.bottomLeft, back, corners.topRight, up, total);
}

void PixelCanvas::Set(int x, int y, Rgb colour) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  pixels_[static_cast<size_t>(y) * width_ + x] = Word(colour);
}

Rgb PixelCanvas::At(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return {};
  uint32_t word = pixels_[static_cast<size_t>(y) * width_ + x];
  return {static_cast<uint8_t>(word >> 16), static_cast<uint8_t>(word >> 8), static_cast<uint8_t>(word)};
}

void PixelCanvas::Fill(const PixelRect& rect, Rgb colour) {
  PixelRect area = Clip(rect, bounds());
  if (area.empty()) return;
  const uint32_t word = Word(colour);
  for (int y = area.top; y < area.bottom; ++y) {
    uint32_t* row = pixels_ + static_cast<size_t>(y) * width_;
    std::fill(row + area.left, row + area.right, word);
  }
}

void PixelCanvas::Frame(const PixelRect& rect, Rgb colour) {
  if (rect.empty()) return;
  Fill({rect.left, rect.top, rect.right, rect.top + 1}, colour);
  Fill({rect.left, rect.bottom - 1, rect.right, rect.bottom}, colour);
  Fill({rect.left, rect.top, rect.left + 1, rect.bottom}, colour);
  Fill({rect.right - 1, rect.top, rect.right, rect.bottom}, colour);
}

void PixelCanvas::Gradient(const PixelRect& rect, const Corners& corners) {
  PixelRect area = Clip(rect, bounds());
  if (area.empty()) return;
  const bool vertical = corners.topLeft == corners.topRight && corners.bottomLeft == corners.bottomRight;
  for (int y = area.top; y < area.bottom; ++y) {
    uint32_t* row = pixels_ + static_cast<size_t>(y) * width_;
    if (vertical) {
      const uint32_t word = Word(GradientAt(corners, rect.width(), rect.height(), 0, y - rect.top));
      std::fill(row + area.left, row + area.right, word);
      continue;
    }
    for (int x = area.left; x < area.right; ++x) {
      row[x] = Word(GradientAt(corners, rect.width(), rect.height(), x - rect.left, y - rect.top));
    }
  }
}

}  // namespace vx::look
