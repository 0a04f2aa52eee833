// The common dialog type's record in the core library's unit-type table.
#pragma once

#include "contract/unit_type.h"

namespace vx {

const UnitTypeInfo& CommonDialogUnitType();

}  // namespace vx
