#include "units/unit_base/unit_events.h"

#include "runtime/framework/runtime_link.h"

namespace vx {

EventAnswer RaiseUnitEvent(uint32_t windowId, uint32_t unitId, int32_t event,
                           std::initializer_list<int32_t> arguments) {
  return CoreLibraryLink().RaiseEvent(windowId, unitId, event, arguments);
}

}  // namespace vx
