// A loaded window's units as its window unit sees them (RuntimeNotify 1004): what
// the form needs for focus navigation, mnemonics, the default button and the mouse
// pointer. The list is a copy taken at the call, so a handler that runs later can
// destroy units without leaving the caller holding anything of the runtime's; take
// a new list after anything that may have run a handler.
#pragma once

#include <cstdint>
#include <vector>

#include "contract/unit_type.h"

namespace vx {

class UnitObject;

struct WindowUnitView {
  uint32_t id;
  const UnitTypeInfo* type;  // null when the type is unknown
  uint32_t parent;           // 0: the window itself
  uint32_t stateFlags;       // kUnitVisible, kUnitDisabled, kUnitTakesFocus
  int32_t tabOrder;
  UnitObject* object;  // null while not created; use it before anything can run a handler
  void* control;       // its window handle while created, else null
  void* cursor;        // made from MousePointer, null when none
};

// Item 0 is the window's own unit; menu items are left out.
using WindowUnitList = std::vector<WindowUnitView>;

}  // namespace vx
