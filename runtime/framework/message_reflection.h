// Which child a parent's notification is about: the messages a container hands
// back to the unit that owns the control.
#pragma once

#include <windows.h>

namespace vx {

// The child window a notification names, or null for other messages: WM_COMMAND
// from a control, WM_NOTIFY, WM_HSCROLL/WM_VSCROLL from a scroll control,
// WM_CTLCOLOR*, and the owner-draw messages.
HWND NotifyingChild(HWND parent, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace vx
