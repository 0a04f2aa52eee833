#include "runtime/live_unit.h"

namespace vx {

UnitObject* LiveObject(const UnitEntry& entry) {
  auto* object = static_cast<UnitObject*>(entry.object());
  return object && object->IsLive() ? object : nullptr;
}

}  // namespace vx
