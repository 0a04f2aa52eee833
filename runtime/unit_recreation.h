#pragma once

#include "runtime/template/unit_table.h"
#include "units/unit_type.h"

namespace vx {

// Rebuilds a live unit's control from its current property data, at the same place,
// size and position in the z-order, keeping its ids and its child windows, when a
// property change could not be applied to the existing control.
void RecreateUnit(UnitEntry& entry, const UnitTypeInfo* type);

}  // namespace vx
