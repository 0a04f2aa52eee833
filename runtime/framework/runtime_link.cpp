#include "runtime/framework/runtime_link.h"

#include <cstdlib>
#include <cstring>

#include "contract/notify_codes.h"
#include "runtime/framework/text/text_blocks.h"

namespace vx {

intptr_t RuntimeLink::Notify(int32_t code, intptr_t param1, intptr_t param2) const {
  return entry_ ? entry_(code, param1, param2) : 0;
}

void* RuntimeLink::Allocate(size_t bytes) const {
  // Sizes past 2 GiB ask for an impossible block and fail as an allocation.
  intptr_t size = bytes < INT32_MAX ? static_cast<intptr_t>(bytes) : -1;
  void* block = reinterpret_cast<void*>(Notify(notify::kAllocate, size, 0));
  if (!block) std::abort();  // only while unconnected: a connected runtime never returns null here
  return block;
}

char* RuntimeLink::CopyText(const char* text) const { return text ? MakeText(text, std::strlen(text)) : nullptr; }

char* RuntimeLink::MakeText(const char* bytes, size_t length) const {
  if (!bytes || length == 0) return nullptr;
  return FillText(Allocate(TextBlockSize(length)), bytes, length);
}

int32_t* RuntimeLink::MakeByteSet(const void* bytes, size_t length) const {
  if (!bytes || length == 0) return nullptr;
  return FillByteSet(Allocate(ByteSetBlockSize(length)), bytes, length);
}

void RuntimeLink::Free(void* block) const {
  if (block) Notify(notify::kFree, reinterpret_cast<intptr_t>(block), 0);
}

void RuntimeLink::RaiseError(const char* message) const {
  Notify(notify::kRaiseError, reinterpret_cast<intptr_t>(message), 0);
  std::abort();  // the runtime's report never returns
}

EventAnswer RuntimeLink::RaiseEvent(uint32_t windowId, uint32_t unitId, int32_t event,
                                    std::initializer_list<int32_t> arguments) const {
  EventRecord record = MakeEventRecord(windowId, unitId, event, arguments);
  return AnswerOf(record, Notify(notify::kRaiseEvent, reinterpret_cast<intptr_t>(&record)));
}

UnitObject* RuntimeLink::FindUnit(uint32_t windowId, uint32_t unitId) const {
  return reinterpret_cast<UnitObject*>(Notify(notify::kUnitObject, windowId, unitId));
}

UnitObject* RuntimeLink::ExistingUnit(uint32_t windowId, uint32_t unitId) const {
  return reinterpret_cast<UnitObject*>(Notify(notify::kExistingUnitObject, windowId, unitId));
}

void RuntimeLink::UnitDestroyed(uint32_t windowId, uint32_t unitId) const {
  Notify(notify::kUnitDestroyed, windowId, unitId);
}

WindowUnitList RuntimeLink::WindowUnits(uint32_t windowId) const {
  WindowUnitList units;
  Notify(notify::kWindowUnits, windowId, reinterpret_cast<intptr_t>(&units));
  return units;
}

uint32_t RuntimeLink::ProgramMode() const { return static_cast<uint32_t>(Notify(notify::kProgramMode)); }

void* RuntimeLink::HiddenOwner() const { return reinterpret_cast<void*>(Notify(notify::kHiddenOwner)); }

char* RuntimeLink::ProgramDirectory() const { return reinterpret_cast<char*>(Notify(notify::kProgramDirectory)); }

int32_t RuntimeLink::ToInteger(const MDATA& value) const {
  return static_cast<int32_t>(Notify(notify::kToInteger, reinterpret_cast<intptr_t>(&value)));
}

RuntimeLink& CoreLibraryLink() {
  static RuntimeLink link;
  return link;
}

}  // namespace vx
