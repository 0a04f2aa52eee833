// The core library's table of unit types, as the program's LibraryRecord carries
// it: 51 slots, type code 0x0001NNNN for slot NNNN (counted from 1).
#pragma once

#include <cstdint>

#include "runtime/program.h"
#include "units/unit_type.h"

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
constexpr uint32_t kProcessBar = 0x00010013;
constexpr uint32_t kSliderBar = 0x00010014;
constexpr uint32_t kCommonDlg = 0x0001001F;
}  // namespace core_unit_type

// The core library: no notice entry yet, and the unit-type table.
const LibraryRecord& CoreLibrary();

// The record of a core unit type, or null for another library's code, a slot
// outside the table or an empty slot.
const UnitTypeInfo* CoreUnitType(uint32_t unitTypeCode);

// The GetInterface of a unit type whose operations are not built yet: it offers
// none, so the runtime cannot create units of that type.
void* NoUnitOperations(int32_t number);

}  // namespace vx
