// Finding what a UnitRef or a unit type code names.
#pragma once

#include <cstdint>

#include "contract/unit_type.h"
#include "contract/values.h"
#include "runtime/template/window_template.h"

namespace vx {

// The UnitTypeInfo of a library type code through the program's library list;
// null for other kinds of code, numbers out of range and empty slots.
const UnitTypeInfo* FindUnitType(DataType code);

// The window's entry for a unit id; 0 names the window's own entry (item 0).
UnitEntry* FindUnitEntry(WindowRecord& window, uint32_t unitId);
// The same in the runtime's WindowTable; null when either is unknown.
UnitEntry* FindUnitEntry(uint32_t windowId, uint32_t unitId);

// The operation of a type by GetInterface number, as the caller's function type.
template <typename Operation>
Operation UnitOperation(const UnitTypeInfo* type, int32_t number) {
  return type && type->getInterface ? reinterpret_cast<Operation>(type->getInterface(number)) : nullptr;
}

}  // namespace vx
