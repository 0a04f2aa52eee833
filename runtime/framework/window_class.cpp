#include "runtime/framework/window_class.h"

namespace vx {

std::optional<WNDPROC> EnsureWindowClass(const WindowClassSpec& spec) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSW existing;
  if (GetClassInfoW(instance, spec.name, &existing)) return existing.lpfnWndProc;
  WNDCLASSW windowClass = {};
  windowClass.style = spec.style;
  windowClass.lpfnWndProc = spec.procedure;
  windowClass.hInstance = instance;
  windowClass.hCursor = spec.arrowCursor ? LoadCursorW(nullptr, IDC_ARROW) : nullptr;
  windowClass.hbrBackground = spec.background;
  windowClass.lpszClassName = spec.name;
  if (RegisterClassW(&windowClass)) return spec.procedure;
  // Another thread may have registered it since the look-up.
  if (GetClassInfoW(instance, spec.name, &existing)) return existing.lpfnWndProc;
  return std::nullopt;
}

}  // namespace vx
