// Applies the shared border property to a live control, in place.
#pragma once

#include <windows.h>

#include <cstdint>

namespace vx {

// Clears the border bits, sets those of the style (clamped to 0..5) and has the
// system recompute the frame.
void ApplyBorderStyle(HWND control, int32_t borderStyle);

}  // namespace vx
