// The window region of a Shape value, built from the window's outer size.
#pragma once

#include <windows.h>

#include <cstdint>

namespace vx {

// The region of the shape for a window of width x height; null for shape 0.
HRGN MakeShapeRegion(int32_t shape, int32_t width, int32_t height);

// Sets the shape's region on the window (with redraw), replacing the previous
// one; shape 0 removes it.
void ApplyShape(HWND window, int32_t shape);

}  // namespace vx
