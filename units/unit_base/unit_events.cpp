#include "units/unit_base/unit_events.h"

#include "contract/notify_codes.h"
#include "contract/runtime_link.h"

namespace vx {

EventAnswer RaiseUnitEvent(uint32_t windowId, uint32_t unitId, int32_t event,
                           std::initializer_list<int32_t> arguments) {
  EventRecord record = MakeEventRecord(windowId, unitId, event, arguments);
  return AnswerOf(record, CoreRuntime().Notify(notify::kRaiseEvent, reinterpret_cast<intptr_t>(&record)));
}

}  // namespace vx
