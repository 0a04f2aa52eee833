// Raising a unit's event through the runtime and reading the handler's answer.
#pragma once

#include <cstdint>
#include <initializer_list>

namespace vx {

struct EventAnswer {
  bool handled = false;    // a handler ran
  bool hasResult = false;  // and gave an answer
  int32_t result = 0;

  // A handler ran and answered false: the action it was asked about stops.
  bool refused() const { return handled && hasResult && result == 0; }
};

EventAnswer RaiseUnitEvent(uint32_t windowId, uint32_t unitId, int32_t event,
                           std::initializer_list<int32_t> arguments = {});

}  // namespace vx
