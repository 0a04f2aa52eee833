// What every unit's window does for the runtime: it reports its destruction
// (RuntimeNotify 2000) after its last message, and a unit that takes the focus
// raises GotFocus and LostFocus after the control's own handling.
#pragma once

#include <windows.h>

#include <cstdint>
#include <initializer_list>

#include "contract/events.h"
#include "runtime/framework/unit_object.h"

namespace vx {

// CreateUnit's arguments after the template record.
struct UnitPlacement {
  uint32_t styleBits;  // WS_VISIBLE, WS_DISABLED, WS_TABSTOP from the loader
  HWND parent;
  uint32_t controlId;
  HMENU menu;     // the window unit: its menu bar
  bool embedded;  // the window unit: embedded in another window
  int32_t x, y, width, height;
};

class UnitWindow : public UnitObject {
 public:
  using UnitObject::UnitObject;

 protected:
  // Creates a system control as a child of the placement's parent, with its id,
  // position and size, and routes its messages through this object. The loader's
  // style bits and WS_CHILD | WS_CLIPSIBLINGS are added to `style`.
  bool CreateControl(const wchar_t* className, const wchar_t* text, uint32_t style, uint32_t exStyle,
                     const UnitPlacement& placement);
  void RaiseFocusEvents() { focusEvents_ = true; }
  // One of the unit's events, with the handler's answer. The handler may destroy
  // the unit: check IsLive() before touching anything of it afterwards.
  EventAnswer RaiseEvent(int32_t event, std::initializer_list<int32_t> arguments = {});

  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  bool focusEvents_ = false;
};

}  // namespace vx
