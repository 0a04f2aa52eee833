// The window procedure the look puts in front of a taken-over window's own.
#pragma once

#include <windows.h>

namespace vx::look {

LRESULT CALLBACK LookWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace vx::look
