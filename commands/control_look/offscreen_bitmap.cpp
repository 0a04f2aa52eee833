#include "commands/control_look/offscreen_bitmap.h"

namespace vx::look {

OffscreenBitmap::OffscreenBitmap(HDC compatibleWith, int width, int height) : canvas_(nullptr, 0, 0) {
  if (width <= 0 || height <= 0) return;
  dc_ = CreateCompatibleDC(compatibleWith);
  if (!dc_) return;
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!bitmap_ || !bits) return;
  previousBitmap_ = SelectObject(dc_, bitmap_);
  bits_ = static_cast<uint32_t*>(bits);
  canvas_ = PixelCanvas(bits_, width, height);
}

OffscreenBitmap::~OffscreenBitmap() {
  if (previousBitmap_) SelectObject(dc_, previousBitmap_);
  if (bitmap_) DeleteObject(bitmap_);
  if (dc_) DeleteDC(dc_);
}

PixelCanvas& OffscreenBitmap::Pixels() {
  GdiFlush();
  return canvas_;
}

void OffscreenBitmap::CopyTo(HDC target, const std::optional<Rect>& keep) const {
  if (!ok()) return;
  GdiFlush();
  const int saved = SaveDC(target);
  if (keep && !keep->empty()) ExcludeClipRect(target, keep->left, keep->top, keep->right, keep->bottom);
  BitBlt(target, 0, 0, width(), height(), dc_, 0, 0, SRCCOPY);
  RestoreDC(target, saved);
}

}  // namespace vx::look
