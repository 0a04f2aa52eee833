// Reading and writing unit properties by window id, unit id and index. Indexes 0
// to 7 are the common properties the runtime serves itself; the others go to the
// unit type's operations with the index reduced by 8.
#pragma once

#include <cstdint>

#include "runtime/values.h"

namespace vx {

namespace common_property {
constexpr int kLeft = 0;
constexpr int kTop = 1;
constexpr int kWidth = 2;
constexpr int kHeight = 3;
constexpr int kTag = 4;
constexpr int kVisible = 5;
constexpr int kDisabled = 6;
constexpr int kMousePointer = 7;
constexpr int kCount = 8;
}  // namespace common_property

// Positions are clamped to -32627..32627, sizes to 0..32627.
constexpr int32_t kPositionLimit = 32627;

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
