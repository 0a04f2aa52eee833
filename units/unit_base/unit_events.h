// Raising a unit's event: through the core library's line to the runtime
// (RuntimeNotify 2008), with the handler's answer read back.
#pragma once

#include <cstdint>
#include <initializer_list>

#include "contract/events.h"

namespace vx {

EventAnswer RaiseUnitEvent(uint32_t windowId, uint32_t unitId, int32_t event,
                           std::initializer_list<int32_t> arguments = {});

}  // namespace vx
