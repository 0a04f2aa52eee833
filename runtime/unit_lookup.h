// Finding what a UnitRef or a unit type code names.
#pragma once

#include <cstdint>

#include "runtime/template/window_template.h"
#include "runtime/values.h"
#include "units/unit_type.h"

namespace vx {

// The UnitTypeInfo of a library type code through the program's library list;
// null for other kinds of code, numbers out of range and empty slots.
const UnitTypeInfo* FindUnitType(DataType code);

// The window's entry for a unit id; 0 names the window's own entry (item 0).
UnitEntry* FindUnitEntry(WindowRecord& window, uint32_t unitId);

// A unit's object, or null while it is not created.
class UnitObject;
UnitObject* ObjectOf(const UnitEntry& entry);

// The operation of a type by GetInterface number, as the caller's function type.
template <typename Operation>
Operation UnitOperation(const UnitTypeInfo* type, int32_t number) {
  return type && type->getInterface ? reinterpret_cast<Operation>(type->getInterface(number)) : nullptr;
}

}  // namespace vx
