#include "commands/control_look/mark_box.h"

#include "commands/control_look/control_text.h"
#include "commands/control_look/look_kinds.h"

namespace vx::look {
namespace {
constexpr int kTextOffset = 18;
}

PixelRect MarkBox(DWORD style, int width, int height) {
  int top = 0;
  switch (VerticalPlacement(style, VerticalAlign::kTop)) {
    case VerticalAlign::kTop:
      break;
    case VerticalAlign::kCentre:
      top = (height - kMarkSize) / 2;
      break;
    case VerticalAlign::kBottom:
      top = height - kMarkSize;
      break;
  }
  const int left = (style & BS_LEFTTEXT) ? width - kMarkSize : 0;
  return {left, top, left + kMarkSize, top + kMarkSize};
}

RECT MarkTextArea(DWORD style, int width, int height) {
  if (style & BS_LEFTTEXT) return {0, 0, width - kTextOffset, height};
  return {kTextOffset, 0, width, height};
}

void DrawMarkCaption(HDC dc, HWND control, uint32_t state, COLORREF textColour, int width, int height) {
  const DWORD style = GetWindowLongW(control, GWL_STYLE);
  const COLORREF colour = (state & flag::kDisabled) ? GetSysColor(COLOR_GRAYTEXT) : textColour;
  RECT text = DrawControlText(dc, control, MarkTextArea(style, width, height), MarkText(style), colour);
  if ((state & flag::kFocused) && text.right > text.left) {
    InflateRect(&text, 1, 1);
    DrawFocusRect(dc, &text);
  }
}

}  // namespace vx::look
