#include "units/label/offscreen_canvas.h"

namespace vx {

OffscreenCanvas::OffscreenCanvas(HDC target, const RECT& rect) : target_(target), rect_(rect) {
  int width = rect.right - rect.left, height = rect.bottom - rect.top;
  if (width <= 0 || height <= 0) return;
  memory_ = CreateCompatibleDC(target);
  bitmap_ = memory_ ? CreateCompatibleBitmap(target, width, height) : nullptr;
  if (!bitmap_) {
    if (memory_) DeleteDC(memory_);
    memory_ = nullptr;
    return;
  }
  previousBitmap_ = SelectObject(memory_, bitmap_);
  // The bitmap's top-left pixel is the rectangle's top-left point.
  SetViewportOrgEx(memory_, -rect.left, -rect.top, nullptr);
}

OffscreenCanvas::~OffscreenCanvas() {
  if (!memory_) return;
  SelectObject(memory_, previousBitmap_);
  DeleteObject(bitmap_);
  DeleteDC(memory_);
}

void OffscreenCanvas::Show() const {
  if (!memory_) return;
  BitBlt(target_, rect_.left, rect_.top, rect_.right - rect_.left, rect_.bottom - rect_.top, memory_, rect_.left,
         rect_.top, SRCCOPY);
}

}  // namespace vx
