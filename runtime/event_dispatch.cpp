#include "runtime/event_dispatch.h"

#include <algorithm>
#include <cstring>

#include "runtime/runtime_error.h"
#include "runtime/runtime_state.h"
#include "runtime/unit_lookup.h"

namespace vx {
namespace {

// The core type of slot 3 (this program has none): its template entries hold the
// address of its one handler directly, whatever the event, and its typed arguments
// pass all 64 bits.
constexpr DataType kDirectHandlerUnitType = 0x00010003;

// An entry of the program's handler table without a function is a binding whose
// handler the program does not have (yet): like no handler at all.
struct Handler {
  const ProgramHandler* handler = nullptr;
  uint32_t sourceUnitId = 0;
};

// Steps 2 to 6 of a dispatch: the window, the unit (following shared-handler links
// to a unit of the same type), its type's right to raise events, and the binding.
Handler FindHandler(uint32_t windowId, uint32_t unitId, int32_t event) {
  WindowRecord* window = Runtime().windowTable.Find(windowId);
  if (!window) RaiseRuntimeError("未找到引发事件的窗口", 0);
  UnitEntry* entry = FindUnitEntry(*window, unitId);
  if (!entry) RaiseRuntimeError("未找到引发事件的窗口组件", 0);
  uint32_t sourceUnitId = unitId ? unitId : entry->id();

  // A link chain that loops back is cut after every unit was visited once.
  DataType type = entry->unit() ? entry->unit()->typeCode : entry->menuItem()->typeCode;
  for (size_t hops = 0; hops < window->units.size() && entry->unit(); ++hops) {
    UnitEntry* shared =
        entry->unit()->sharedHandlerUnit ? window->units.Find(entry->unit()->sharedHandlerUnit) : nullptr;
    if (!shared || !shared->unit() || shared->unit()->typeCode != type) break;
    entry = shared;
  }

  const UnitTypeInfo* info = FindUnitType(type);
  if (!info || !(info->stateFlags & (unit_state::kOwnsControl | unit_state::kHasEvents))) {
    RaiseRuntimeError("引发事件的窗口组件无效", 0);
  }
  const void* address = nullptr;
  if (type == kDirectHandlerUnitType) {
    address = entry->handlers().empty() ? nullptr : entry->handlers().front().address;
  } else {
    address = entry->FindHandler(event);
  }
  return {static_cast<const ProgramHandler*>(address), sourceUnitId};
}

int64_t Call(const ProgramHandler& handler, uint32_t windowId, uint32_t sourceUnitId, const EventArguments& arguments) {
  RuntimeState& rt = Runtime();
  rt.currentEventSource = {windowId, sourceUnitId};
  int64_t result = handler.function(arguments);
  rt.currentEventSource.windowId = 0;
  return result;
}

// A typed argument as the handler receives it.
int64_t Passed(const EventArgValue& argument) {
  if (argument.passFlags & pass_flag::kAddress) {
    void* address;
    std::memcpy(&address, &argument.value, sizeof address);
    return reinterpret_cast<intptr_t>(address);
  }
  if ((argument.passFlags & pass_flag::kWhole) || argument.type == kDirectHandlerUnitType) {
    return static_cast<int64_t>(argument.value);
  }
  switch (argument.type) {
    case type::kByte:
      return static_cast<uint8_t>(argument.value);
    case type::kShort:
      return static_cast<int16_t>(argument.value);
    case type::kDateTime:
    case type::kStatementArg:
    case type::kLong:
    case type::kDouble:
      return static_cast<int64_t>(argument.value);
    case type::kText:
    case type::kByteSet: {
      void* pointer;
      std::memcpy(&pointer, &argument.value, sizeof pointer);
      return reinterpret_cast<intptr_t>(pointer);
    }
    default:
      return static_cast<int32_t>(argument.value);
  }
}

// Both kinds of record: nothing while events are blocked; otherwise the bound
// handler runs with up to `capacity` arguments widened by `widen`, and a handler
// that answers leaves its answer in the record.
template <typename Record, typename Widen>
int32_t Dispatch(Record& record, int capacity, Widen widen) {
  if (Runtime().eventBlock > 0) return 0;
  Handler found = FindHandler(record.windowId, record.unitId, record.event);
  if (!found.handler || !found.handler->function) return 0;
  EventArguments arguments;
  arguments.count = record.argumentCount < 0 ? 0 : std::min(record.argumentCount, capacity);
  for (int i = 0; i < arguments.count; ++i) arguments.values[i] = widen(record.arguments[i]);
  int64_t result = Call(*found.handler, record.windowId, found.sourceUnitId, arguments);
  if (found.handler->returnsValue) {
    record.hasResult = 1;
    record.result = static_cast<decltype(record.result)>(result);
  }
  return 1;
}

}  // namespace

int32_t DispatchEvent(EventRecord& record) {
  return Dispatch(record, 5, [](int32_t argument) { return int64_t{argument}; });
}

int32_t DispatchTypedEvent(TypedEventRecord& record) { return Dispatch(record, 12, Passed); }

}  // namespace vx
