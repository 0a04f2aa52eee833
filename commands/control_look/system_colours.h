// The bridge between the look's plain colours and the platform's: COLORREF
// values and the system colours the look paints with.
#pragma once

#include <windows.h>

#include "commands/control_look/look_colour.h"
#include "commands/control_look/look_palette.h"

namespace vx::look {

inline Rgb FromColorRef(COLORREF colour) { return {GetRValue(colour), GetGValue(colour), GetBValue(colour)}; }
inline COLORREF ToColorRef(Rgb colour) { return RGB(colour.r, colour.g, colour.b); }
inline Rgb SystemColour(int index) { return FromColorRef(GetSysColor(index)); }
inline Rgb ButtonFace() { return SystemColour(COLOR_BTNFACE); }
// The frame of a disabled control.
inline Rgb DisabledFrame() { return Darken(ButtonFace(), kDisabledDarkening); }

}  // namespace vx::look
