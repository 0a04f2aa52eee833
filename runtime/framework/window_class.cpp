#include "runtime/framework/window_class.h"

namespace vx {

std::optional<WNDPROC> EnsureWindowClass(const WindowClassInfo& info) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSW existing;
  if (GetClassInfoW(instance, info.name, &existing)) return existing.lpfnWndProc;
  WNDCLASSW windowClass = {};
  windowClass.style = info.style;
  windowClass.lpfnWndProc = info.procedure;
  windowClass.hInstance = instance;
  windowClass.hCursor = info.arrowCursor ? LoadCursorW(nullptr, IDC_ARROW) : nullptr;
  windowClass.hbrBackground = info.background;
  windowClass.lpszClassName = info.name;
  if (RegisterClassW(&windowClass)) return info.procedure;
  // Another thread may have registered it since the look-up.
  if (GetClassInfoW(instance, info.name, &existing)) return existing.lpfnWndProc;
  return std::nullopt;
}

}  // namespace vx
