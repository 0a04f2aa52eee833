// Where check boxes and radio buttons put their mark and their caption.
#pragma once

#include <windows.h>

#include "commands/control_look/pixel_canvas.h"

namespace vx::look {

constexpr int kMarkSize = 13;

// The mark's square: at the left edge, or the right edge with BS_LEFTTEXT; at the
// top unless the style asks for the bottom or the middle.
PixelRect MarkBox(DWORD style, int width, int height);
// The caption's area: from 18 pixels past the mark's near side to the far edge.
RECT MarkTextArea(DWORD style, int width, int height);

// Draws the caption in the text area (grey when disabled) and a focus rectangle
// round it when focused.
void DrawMarkCaption(HDC dc, HWND control, uint32_t state, COLORREF textColour, int width, int height);

}  // namespace vx::look
