#include "units/unit_base/unit_window.h"

#include "runtime/framework/runtime_link.h"

namespace vx {

bool UnitWindow::CreateControl(const wchar_t* className, const wchar_t* text, uint32_t style, uint32_t exStyle,
                               const UnitPlacement& placement) {
  HWND control = CreateWindowExW(exStyle, className, text, style | placement.styleBits | WS_CHILD | WS_CLIPSIBLINGS,
                                 placement.x, placement.y, placement.width, placement.height, placement.parent,
                                 reinterpret_cast<HMENU>(static_cast<uintptr_t>(placement.controlId)),
                                 GetModuleHandleW(nullptr), nullptr);
  if (!control) return false;
  if (!SubclassWindow(control)) {
    DestroyWindow(control);
    return false;
  }
  return true;
}

EventAnswer UnitWindow::RaiseEvent(int32_t event, std::initializer_list<int32_t> arguments) {
  return CoreLibraryLink().RaiseEvent(windowId(), unitId(), event, arguments);
}

LRESULT UnitWindow::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = UnitObject::WindowProc(message, wParam, lParam);
  switch (message) {
    case WM_SETFOCUS:
      if (focusEvents_) RaiseEvent(common_event::kGotFocus);
      break;
    case WM_KILLFOCUS:
      if (focusEvents_) RaiseEvent(common_event::kLostFocus);
      break;
    case WM_NCDESTROY:
      CoreLibraryLink().UnitDestroyed(windowId(), unitId());
      break;
    default:
      break;
  }
  return result;
}

}  // namespace vx
