// Converting property values between the program's MDATA value layout and a unit's
// raw form, by the property's PropertyTypeCode.
#pragma once

#include <cstdint>

#include "contract/stored_font.h"
#include "contract/unit_type.h"

namespace vx {

// The program's 8-byte value of a raw property value: numbers as they are, logicals
// as 0 or 1, new byte sets and texts for blocks and text pointers, fonts by member.
uint64_t ProgramValueOf(uint16_t typeCode, const RawPropertyValue& raw, int32_t arrayIndex);

// The raw form of a program value. Fonts need the unit's current font (`current`,
// null for none) and keep the changed copy in `fontBuffer`, which must outlive
// the PropertyChanged call.
RawPropertyValue RawValueOf(uint16_t typeCode, uint64_t value, int32_t arrayIndex, const RawPropertyValue* current,
                            StoredFont& fontBuffer);

}  // namespace vx
