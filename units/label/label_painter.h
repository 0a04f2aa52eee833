// How a label paints itself: its gradient frame (Border 6), its background
// (picture, gradient or BackColour), then its caption with its effect.
#pragma once

#include <windows.h>

#include <string>

#include "units/label/label_data.h"

namespace vx {

constexpr int32_t kGradientFrameBorder = 6;

struct LabelLook {
  const LabelData& data;
  HFONT font;                   // the unit's font, or DEFAULT_GUI_FONT
  const std::wstring& caption;  // the window text
};

// Paints the label's client area into dc; only what meets `update` needs to be
// right afterwards. Makes no GDI object of its own.
void PaintLabel(HDC dc, const RECT& client, const RECT& update, const LabelLook& look);

}  // namespace vx
