// A unit object of the tests' own that keeps SamplePropertyData.
#pragma once

#include "tests/units/sample_property_data.h"
#include "units/unit_object.h"

namespace vx::test {

class SampleUnit : public UnitObject {
 public:
  SampleUnit(uint32_t windowId, uint32_t unitId) : UnitObject(windowId, unitId) {}

  PropertyData* propertyData() override { return &data; }

  SamplePropertyData data;
};

}  // namespace vx::test
