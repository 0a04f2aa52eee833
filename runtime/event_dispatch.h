// Raising events: a unit hands the runtime an event record, the runtime finds the
// handler the template bound to that unit and event and calls it at once.
#pragma once

#include <cstdint>

#include "contract/events.h"

namespace vx {

// 1 when a handler ran, else 0 (events blocked, no binding, no handler).
int32_t DispatchEvent(EventRecord& record);
int32_t DispatchTypedEvent(TypedEventRecord& record);

}  // namespace vx
