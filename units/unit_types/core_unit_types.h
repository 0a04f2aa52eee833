// The core library as the program links it (library 1): its notice entry and its
// table of unit types, 51 slots, type code 0x0001NNNN for slot NNNN (counted from 1).
#pragma once

#include <cstdint>

#include "contract/program.h"
#include "contract/unit_type.h"

namespace vx {

constexpr uint32_t kCoreLibraryNumber = 1;
constexpr uint32_t kCoreUnitTypeSlots = 51;

// The unit types the reader uses.
namespace core_unit_type {
constexpr uint32_t kWindow = 0x00010001;
constexpr uint32_t kEditBox = 0x00010005;
constexpr uint32_t kGroupBox = 0x00010009;
constexpr uint32_t kLabel = 0x0001000A;
constexpr uint32_t kButton = 0x0001000B;
constexpr uint32_t kComboBox = 0x0001000E;
constexpr uint32_t kProgressBar = 0x00010013;
constexpr uint32_t kSliderBar = 0x00010014;
constexpr uint32_t kCommonDialog = 0x0001001F;
}  // namespace core_unit_type

// Notice 1 connects the library's units and commands to the runtime entry given
// in param1 and answers 0; other notices answer 0 and do nothing.
intptr_t CoreLibraryNotify(int32_t code, intptr_t param1, intptr_t param2);

const LibraryRecord& CoreLibrary();

// The record of a core unit type, or null for another library's code, a slot
// outside the table or an empty slot.
const UnitTypeInfo* CoreUnitType(uint32_t unitTypeCode);

}  // namespace vx
