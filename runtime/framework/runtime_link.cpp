#include "contract/runtime_link.h"

#include <cstdlib>
#include <cstring>

#include "contract/notify_codes.h"
#include "contract/text_blocks.h"

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

RuntimeLink& CoreRuntime() {
  static RuntimeLink link;
  return link;
}

}  // namespace vx
