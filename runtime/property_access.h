// Reading and writing unit properties by window id, unit id and index. Indexes 0
// to 7 are the common properties the runtime serves itself; the others go to the
// unit type's operations with the index reduced by 8.
#pragma once

#include <cstdint>

#include "contract/common_properties.h"
#include "contract/values.h"

namespace vx {

// The value in MDATA layout; texts and byte sets are new blocks owned by the caller.
uint64_t ReadUnitProperty(uint32_t windowId, uint32_t unitId, int index, int arrayIndex);
// The value in MDATA layout as two words; texts and byte sets are only read.
void WriteUnitProperty(uint32_t windowId, uint32_t unitId, int index, int arrayIndex, uint32_t valueLow,
                       uint32_t valueHigh);

// The same for a unit object held in a variable: no lookup, no common properties.
uint64_t ReadObjectProperty(DataType unitType, void* object, int index, int arrayIndex);
void WriteObjectProperty(DataType unitType, void* object, int index, int arrayIndex, uint32_t valueLow,
                         uint32_t valueHigh);

}  // namespace vx
