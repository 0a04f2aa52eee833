// The window type's GetInterface, as the core unit-type table names it.
#pragma once

#include <cstdint>

namespace vx {

void* WindowUnitOperations(int32_t number);

}  // namespace vx
