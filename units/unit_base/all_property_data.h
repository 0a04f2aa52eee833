// GetAllPropertyData (interface 5), one implementation for every unit type: the
// unit's PropertyData in its stored form, for re-creating the unit.
#pragma once

#include <windows.h>

#include <cstdint>
#include <span>

namespace vx {

class UnitObject;

// A new movable global memory block holding exactly the stream; null when the
// unit is null, keeps no PropertyData, or the block cannot be allocated.
void* GetAllPropertyData(UnitObject* unit);

// The bytes in a new movable global memory block of exactly their length.
HGLOBAL MovableBlockFrom(std::span<const uint8_t> bytes);

}  // namespace vx
