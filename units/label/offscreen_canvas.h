// An off-screen bitmap for one paint: drawing goes to it in the target's own
// coordinates and is copied to the target in one step, so a label never shows
// half painted (background first, caption later). Owns its DC and bitmap.
#pragma once

#include <windows.h>

namespace vx {

class OffscreenCanvas {
 public:
  // A bitmap covering `rect` of the target.
  OffscreenCanvas(HDC target, const RECT& rect);
  OffscreenCanvas(const OffscreenCanvas&) = delete;
  OffscreenCanvas& operator=(const OffscreenCanvas&) = delete;
  ~OffscreenCanvas();

  // Where to draw: the off-screen DC, or the target itself when no bitmap could
  // be made (the paint then still happens, only not in one step).
  HDC dc() const { return memory_ ? memory_ : target_; }
  // Copies the drawing to the target; nothing to do when it went there directly.
  void Show() const;

 private:
  HDC target_;
  RECT rect_;
  HDC memory_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ previousBitmap_ = nullptr;
};

}  // namespace vx
