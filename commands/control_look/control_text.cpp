#include "commands/control_look/control_text.h"

#include <algorithm>

#include "runtime/framework/gdi_owners.h"
#include "runtime/framework/window_text.h"

namespace vx::look {
namespace {

HorizontalAlign HorizontalPlacement(DWORD style, HorizontalAlign otherwise) {
  switch (style & BS_CENTER) {
    case BS_LEFT:
      return HorizontalAlign::kLeft;
    case BS_RIGHT:
      return HorizontalAlign::kRight;
    case BS_CENTER:
      return HorizontalAlign::kCentre;
    default:
      return otherwise;
  }
}

// The start of a run of `length` between start and end: at the start, in the
// middle or at the end (the order of both placement enumerations).
int Place(int start, int end, int length, int where) {
  return where == 0 ? start : where == 1 ? start + (end - start - length) / 2 : end - length;
}

}  // namespace

VerticalAlign VerticalPlacement(DWORD style, VerticalAlign otherwise) {
  switch (style & BS_VCENTER) {
    case BS_TOP:
      return VerticalAlign::kTop;
    case BS_BOTTOM:
      return VerticalAlign::kBottom;
    case BS_VCENTER:
      return VerticalAlign::kCentre;
    default:
      return otherwise;
  }
}

TextPlacement PushButtonText(DWORD style) {
  return {HorizontalPlacement(style, HorizontalAlign::kCentre), VerticalPlacement(style, VerticalAlign::kCentre),
          (style & BS_MULTILINE) != 0};
}

TextPlacement MarkText(DWORD style) {
  return {HorizontalPlacement(style, HorizontalAlign::kLeft), VerticalPlacement(style, VerticalAlign::kTop),
          (style & BS_MULTILINE) != 0};
}

HFONT ControlFont(HWND control) {
  auto* font = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
  return font ? font : static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
}

RECT DrawControlText(HDC dc, HWND control, const RECT& area, const TextPlacement& placement, COLORREF colour) {
  const std::wstring text = WindowTextOf(control);
  if (text.empty() || area.right <= area.left || area.bottom <= area.top) return {};
  SelectedObject font(dc, ControlFont(control));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, colour);
  const UINT lines = placement.multiline ? DT_WORDBREAK : DT_SINGLELINE;
  RECT measured = area;
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &measured, lines | DT_CALCRECT);
  const int width = std::min(measured.right - measured.left, area.right - area.left);
  const int height = std::min(measured.bottom - measured.top, area.bottom - area.top);
  const int left = Place(area.left, area.right, width, static_cast<int>(placement.horizontal));
  const int top = Place(area.top, area.bottom, height, static_cast<int>(placement.vertical));
  RECT placed = {left, top, left + width, top + height};
  const UINT align = placement.horizontal == HorizontalAlign::kLeft    ? DT_LEFT
                     : placement.horizontal == HorizontalAlign::kRight ? DT_RIGHT
                                                                       : DT_CENTER;
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &placed, lines | align);
  return placed;
}

}  // namespace vx::look
