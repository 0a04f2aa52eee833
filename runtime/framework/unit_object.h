// A unit's window object: the framework window of its control, plus the UnitRef
// it raises events with.
#pragma once

#include <cstdint>

#include "runtime/framework/window_object.h"

namespace vx {

class UnitObject : public WindowObject {
 public:
  UnitObject(uint32_t windowId, uint32_t unitId) : windowId_(windowId), unitId_(unitId) {}

  uint32_t windowId() const { return windowId_; }
  uint32_t unitId() const { return unitId_; }

  // 0 in a running program: properties the control keeps itself (text,
  // selection, current item) are then read from the control.
  int32_t designFlag() const { return designFlag_; }
  void SetDesignFlag(int32_t flag) { designFlag_ = flag; }

 private:
  uint32_t windowId_;
  uint32_t unitId_;
  int32_t designFlag_ = 0;
};

// The object behind an opaque unit instance of the operations, and back: every unit
// type hands its objects over as UnitObject.
inline UnitObject* AsUnitObject(void* instance) { return static_cast<UnitObject*>(instance); }

}  // namespace vx
