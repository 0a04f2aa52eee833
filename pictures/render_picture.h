// Decoded pictures made into what a unit draws.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <utility>

#include "pictures/decoded_picture.h"

namespace vx {

// A bitmap of the picture's size, owned (every kind but icons and cursors), or the
// picture's own icon, lent for as long as the picture lives.
class RenderedPicture {
 public:
  RenderedPicture(HBITMAP bitmap, HICON icon, uint32_t width, uint32_t height)
      : bitmap_(bitmap), icon_(icon), width_(width), height_(height) {}
  RenderedPicture(RenderedPicture&& other) noexcept
      : bitmap_(std::exchange(other.bitmap_, nullptr)),
        icon_(other.icon_),
        width_(other.width_),
        height_(other.height_) {}
  RenderedPicture& operator=(RenderedPicture&& other) noexcept {
    std::swap(bitmap_, other.bitmap_);
    icon_ = other.icon_;
    width_ = other.width_;
    height_ = other.height_;
    return *this;
  }
  ~RenderedPicture() {
    if (bitmap_) DeleteObject(bitmap_);
  }

  HBITMAP bitmap() const { return bitmap_; }
  HICON icon() const { return icon_; }
  uint32_t width() const { return width_; }
  uint32_t height() const { return height_; }

 private:
  HBITMAP bitmap_;
  HICON icon_;
  uint32_t width_;
  uint32_t height_;
};

// A bitmap compatible with `dc` (a window's or the screen's device context) for
// the pixel kinds, where transparent parts show `background` (the colour the unit
// paints with, its BackColour with the button-face rule applied); the icon for
// icons and cursors. Nothing for a null device context or picture, or when the
// system cannot make the bitmap.
std::optional<RenderedPicture> RenderPicture(HDC dc, const DecodedPicture* picture, COLORREF background);

}  // namespace vx
