#include "runtime/framework/offscreen_bitmap.h"

namespace vx {

OffscreenBitmap::OffscreenBitmap(HDC target, const PixelRect& area) : area_(area) {
  if (area.empty()) return;
  dc_ = CreateCompatibleDC(target);
  if (!dc_) return;
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = area.width();
  info.bmiHeader.biHeight = -area.height();  // top-down rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!bitmap_ || !bits) return;
  previousBitmap_ = SelectObject(dc_, bitmap_);
  pixels_ = static_cast<uint32_t*>(bits);
  // The bitmap's top-left pixel is the area's top-left point.
  SetViewportOrgEx(dc_, -area.left, -area.top, nullptr);
}

OffscreenBitmap::~OffscreenBitmap() {
  if (previousBitmap_) SelectObject(dc_, previousBitmap_);
  if (bitmap_) DeleteObject(bitmap_);
  if (dc_) DeleteDC(dc_);
}

uint32_t* OffscreenBitmap::Pixels() const {
  GdiFlush();
  return pixels_;
}

void OffscreenBitmap::Show(HDC target, const std::optional<PixelRect>& keep) const {
  if (!ok()) return;
  GdiFlush();
  const int saved = SaveDC(target);
  if (keep && !keep->empty()) ExcludeClipRect(target, keep->left, keep->top, keep->right, keep->bottom);
  BitBlt(target, area_.left, area_.top, area_.width(), area_.height(), dc_, area_.left, area_.top, SRCCOPY);
  RestoreDC(target, saved);
}

}  // namespace vx
