// Raising events: a unit hands the runtime an event record, the runtime finds the
// handler the template bound to that unit and event and calls it at once.
#pragma once

#include <cstdint>

#include "runtime/values.h"

namespace vx {

// Every field 32 bits. A unit that wants the handler's answer sets hasResult to 0
// and reads result only when the dispatch returned 1 and hasResult became 1.
struct EventRecord {
  uint32_t windowId;
  uint32_t unitId;  // 0: the window itself
  int32_t event;
  int32_t argumentCount;  // 0 to 5
  int32_t arguments[5];
  int32_t hasResult;
  int32_t result;
};

namespace pass_flag {
constexpr uint32_t kAddress = 1;  // the value is an address the handler may write through
constexpr uint32_t kWhole = 2;    // all 64 bits
}  // namespace pass_flag

#pragma pack(push, 4)
struct EventArgValue {
  uint64_t value;  // as in MDATA
  DataType type;
  uint32_t passFlags;
};
struct TypedEventRecord {
  uint32_t windowId;
  uint32_t unitId;
  int32_t event;
  int32_t argumentCount;  // 0 to 12
  EventArgValue arguments[12];
  int32_t hasResult;
  int64_t result;
};
#pragma pack(pop)
static_assert(sizeof(EventArgValue) == 16);

// 1 when a handler ran, else 0 (events blocked, no binding, no handler).
int32_t DispatchEvent(EventRecord& record);
int32_t DispatchTypedEvent(TypedEventRecord& record);

}  // namespace vx
