// The module's private window classes, each registered on its first use.
#pragma once

#include <windows.h>

#include <optional>

namespace vx {

struct WindowClassInfo {
  const wchar_t* name;
  WNDPROC procedure;
  UINT style = 0;
  HBRUSH background = nullptr;  // null: the window paints its background itself
  bool arrowCursor = true;      // false: no class cursor (a window never shown)
};

// Registers the class in this module unless a class of that name is there already.
// The window procedure of the class now there (another one when the name was taken
// before), or nothing when it could not be registered.
std::optional<WNDPROC> EnsureWindowClass(const WindowClassInfo& info);

}  // namespace vx
