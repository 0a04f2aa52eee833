// CreateUnit's first steps, the same for every unit type.
#pragma once

#include <cstdint>
#include <memory>

#include "units/unit_base/property_data.h"
#include "units/unit_object.h"

namespace vx {

// A new unit object whose PropertyData holds the type's defaults, loaded from the
// template record when it is present and at least 1 byte long, with its design
// flag stored. Null when the record cannot be read (the object is destroyed).
// Unit is constructed from (window id, unit id).
template <class Unit>
std::unique_ptr<Unit> NewUnitFromRecord(const uint8_t* record, int32_t recordLength, uint32_t windowId,
                                        uint32_t unitId, int32_t designFlag) {
  auto unit = std::make_unique<Unit>(windowId, unitId);
  PropertyData* data = unit->propertyData();
  if (!data || !LoadPropertyData(*data, record, recordLength)) return nullptr;
  unit->SetDesignFlag(designFlag);
  return unit;
}

}  // namespace vx
