#include "units/window/unit_events.h"

#include "runtime/event_dispatch.h"
#include "runtime/runtime_notify.h"

namespace vx {

EventAnswer RaiseUnitEvent(uint32_t windowId, uint32_t unitId, int32_t event,
                           std::initializer_list<int32_t> arguments) {
  EventRecord record = {};
  record.windowId = windowId;
  record.unitId = unitId;
  record.event = event;
  for (int32_t argument : arguments) {
    if (record.argumentCount == 5) break;
    record.arguments[record.argumentCount++] = argument;
  }
  EventAnswer answer;
  answer.handled = RuntimeNotify(notify::kRaiseEvent, reinterpret_cast<intptr_t>(&record), 0) == 1;
  answer.hasResult = answer.handled && record.hasResult == 1;
  answer.result = record.result;
  return answer;
}

}  // namespace vx
