// Events: the records a unit raises through RuntimeNotify 2008 and 2031, and the
// event numbers that are the same for every program: the common events of all
// units and the window's own events.
#pragma once

#include <cstdint>
#include <initializer_list>

#include "contract/values.h"

namespace vx {

// The window's own events.
namespace window_event {
constexpr int32_t kCreated = 0;
constexpr int32_t kQueryClose = 1;
constexpr int32_t kDestroyed = 2;
constexpr int32_t kMoved = 3;
constexpr int32_t kResized = 4;
constexpr int32_t kActivated = 5;
constexpr int32_t kDeactivated = 6;
constexpr int32_t kIdle = 7;
constexpr int32_t kFirstActivated = 8;
constexpr int32_t kTrayEvent = 9;
constexpr int32_t kShown = 10;
constexpr int32_t kHidden = 11;
constexpr int32_t kCloseRequested = 12;
}  // namespace window_event

// Events every unit has; the window raises all but the focus events for them.
namespace common_event {
constexpr int32_t kLeftButtonDown = -1;
constexpr int32_t kLeftButtonUp = -2;
constexpr int32_t kDoubleClicked = -3;
constexpr int32_t kRightButtonDown = -4;
constexpr int32_t kRightButtonUp = -5;
constexpr int32_t kMouseMoved = -6;
constexpr int32_t kGotFocus = -7;
constexpr int32_t kLostFocus = -8;
constexpr int32_t kKeyDown = -9;
constexpr int32_t kKeyUp = -10;
constexpr int32_t kCharTyped = -11;
constexpr int32_t kWheelTurned = -12;
}  // namespace common_event

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

// A plain record ready to raise; arguments past the fifth are dropped.
inline EventRecord MakeEventRecord(uint32_t windowId, uint32_t unitId, int32_t event,
                                   std::initializer_list<int32_t> arguments = {}) {
  EventRecord record = {};
  record.windowId = windowId;
  record.unitId = unitId;
  record.event = event;
  for (int32_t argument : arguments) {
    if (record.argumentCount == 5) break;
    record.arguments[record.argumentCount++] = argument;
  }
  return record;
}

// What came back from raising an event.
struct EventAnswer {
  bool handled = false;    // a handler ran
  bool hasResult = false;  // and gave an answer
  int32_t result = 0;

  // A handler ran and answered false: the action it was asked about stops.
  bool refused() const { return handled && hasResult && result == 0; }
};

inline EventAnswer AnswerOf(const EventRecord& record, intptr_t dispatched) {
  EventAnswer answer;
  answer.handled = dispatched == 1;
  answer.hasResult = answer.handled && record.hasResult == 1;
  answer.result = record.result;
  return answer;
}

}  // namespace vx
