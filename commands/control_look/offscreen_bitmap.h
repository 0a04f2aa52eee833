// An off-screen picture of a control: a memory device context holding a 32-bit
// DIB. Painters draw on it through GDI (text, focus rectangles) and through its
// pixels (everything else); CopyTo puts it on the window in one step.
#pragma once

#include <windows.h>

#include <optional>

#include "commands/control_look/pixel_canvas.h"

namespace vx::look {

class OffscreenBitmap {
 public:
  OffscreenBitmap(HDC compatibleWith, int width, int height);
  ~OffscreenBitmap();
  OffscreenBitmap(const OffscreenBitmap&) = delete;
  OffscreenBitmap& operator=(const OffscreenBitmap&) = delete;

  // False when the system could not make the bitmap; nothing is painted then.
  bool ok() const { return bits_ != nullptr; }
  HDC dc() const { return dc_; }
  int width() const { return canvas_.width(); }
  int height() const { return canvas_.height(); }
  // The pixels, with GDI's pending drawing on them finished first.
  PixelCanvas& Pixels();

  // Copies the picture to the same place on `target`, all but `keep`: the part
  // left to the control's own painting (an edit box's text, a group box's inside).
  void CopyTo(HDC target, const std::optional<Rect>& keep) const;

 private:
  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ previousBitmap_ = nullptr;
  uint32_t* bits_ = nullptr;
  PixelCanvas canvas_;
};

}  // namespace vx::look
