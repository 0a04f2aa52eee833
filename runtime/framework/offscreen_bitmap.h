// An off-screen picture for one paint: a memory device context holding a 32-bit
// top-down DIB that covers an area of a target device context. Drawing on it uses
// the target's coordinates, through GDI or through its pixels; Show puts it on the
// target in one step, so nothing is ever seen half painted.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>

#include "runtime/framework/pixel_rect.h"

namespace vx {

class OffscreenBitmap {
 public:
  OffscreenBitmap(HDC target, const PixelRect& area);
  ~OffscreenBitmap();
  OffscreenBitmap(const OffscreenBitmap&) = delete;
  OffscreenBitmap& operator=(const OffscreenBitmap&) = delete;

  // False when the system could not make the bitmap.
  bool ok() const { return pixels_ != nullptr; }
  HDC dc() const { return dc_; }
  const PixelRect& area() const { return area_; }
  // The pixels (0x00RRGGBB, rows top-down, area().width() per row), with GDI's
  // pending drawing on them finished first.
  uint32_t* Pixels() const;

  // Copies the picture to its area of the target, all but `keep` (a part left to a
  // control's own painting).
  void Show(HDC target, const std::optional<PixelRect>& keep = std::nullopt) const;

 private:
  PixelRect area_;
  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ previousBitmap_ = nullptr;
  uint32_t* pixels_ = nullptr;
};

}  // namespace vx
