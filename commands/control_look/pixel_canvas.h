// The pixels of an off-screen picture and the drawing the look does on them
// directly: fills, frames, single pixels and gradient rectangles. Pure, so the
// gradient arithmetic is tested natively; the platform side wraps a 32-bit DIB.
#pragma once

#include <cstdint>

#include "commands/control_look/look_colour.h"
#include "runtime/framework/pixel_rect.h"

namespace vx::look {

// The colour of a gradient rectangle of the given size at (x, y) inside it. Equal
// top colours and equal bottom colours make a vertical gradient; otherwise the
// rectangle is two triangles (top-left, top-right, bottom-left) and (bottom-right,
// top-right, bottom-left), each coloured from its corners. The corner pixels and,
// for vertical gradients, the whole first and last rows take the given colours.
Rgb GradientAt(const Corners& corners, int width, int height, int x, int y);

class PixelCanvas {
 public:
  // Rows top-down, `width` words each, every word 0x00RRGGBB (a 32-bit DIB's layout).
  PixelCanvas(uint32_t* pixels, int width, int height) : pixels_(pixels), width_(width), height_(height) {}

  int width() const { return width_; }
  int height() const { return height_; }
  PixelRect bounds() const { return {0, 0, width_, height_}; }

  // Everything outside the canvas is clipped away.
  void Set(int x, int y, Rgb colour);
  Rgb At(int x, int y) const;  // black outside
  void Fill(const PixelRect& rect, Rgb colour);
  // A one-pixel frame just inside the rectangle.
  void Frame(const PixelRect& rect, Rgb colour);
  void Gradient(const PixelRect& rect, const Corners& corners);

 private:
  uint32_t* pixels_;
  int width_, height_;
};

}  // namespace vx::look
