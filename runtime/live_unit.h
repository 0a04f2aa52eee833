// Whether a unit is created: its object slot holds an object whose handle is a
// live window.
#pragma once

#include <windows.h>

#include "runtime/framework/unit_object.h"
#include "runtime/template/unit_table.h"

namespace vx {

// The unit's object while it is created, else null.
UnitObject* LiveObject(const UnitEntry& entry);
// Its control while it is created, else null.
inline HWND LiveControl(const UnitEntry& entry) {
  UnitObject* object = LiveObject(entry);
  return object ? object->handle() : nullptr;
}

}  // namespace vx
