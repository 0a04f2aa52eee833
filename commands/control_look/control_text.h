// A button's caption as the look draws it: with the control's font, placed by
// the BS_ alignment bits of its style.
#pragma once

#include <windows.h>

#include <string>

namespace vx::look {

enum class HorizontalAlign { kLeft, kCentre, kRight };
enum class VerticalAlign { kTop, kCentre, kBottom };

struct TextPlacement {
  HorizontalAlign horizontal;
  VerticalAlign vertical;
  bool multiline;
};

// BS_VCENTER (BS_TOP and BS_BOTTOM both) centres, BS_BOTTOM alone puts at the
// bottom, BS_TOP alone at the top; no bit gives `otherwise`.
VerticalAlign VerticalPlacement(DWORD style, VerticalAlign otherwise);

// Push buttons centre their caption both ways unless their style says otherwise.
TextPlacement PushButtonText(DWORD style);
// Check boxes and radio buttons start their caption at the left and at the top,
// as their box sits, unless their style says otherwise.
TextPlacement MarkText(DWORD style);

// The control's font, as it answers WM_GETFONT; the system font without one.
HFONT ControlFont(HWND control);

// Draws the control's window text in `area` and returns the rectangle it took
// (empty when there is no text): for focus rectangles round it.
RECT DrawControlText(HDC dc, HWND control, const RECT& area, const TextPlacement& placement, COLORREF colour);

}  // namespace vx::look
