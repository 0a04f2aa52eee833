#include "runtime/texts.h"

#include <cstring>

#include "runtime/framework/text/text_blocks.h"
#include "runtime/heap.h"

namespace vx {

char* CopyText(const char* text) { return text ? MakeText(text, static_cast<int32_t>(std::strlen(text))) : nullptr; }

char* MakeText(const char* bytes, int32_t length) {
  if (length <= 0) return nullptr;
  return FillText(Allocate(static_cast<int32_t>(TextBlockSize(static_cast<size_t>(length)))), bytes,
                  static_cast<size_t>(length));
}

int32_t* MakeByteSet(const void* bytes, int32_t length) {
  if (length <= 0) return nullptr;
  return FillByteSet(Allocate(static_cast<int32_t>(ByteSetBlockSize(static_cast<size_t>(length)))), bytes,
                     static_cast<size_t>(length));
}

void FreeArray(int32_t* block, DataType elementType) {
  if (!block) return;
  DataType base = BaseType(elementType);
  if (base == type::kText || base == type::kByteSet) {
    auto** elements = reinterpret_cast<void**>(ArrayElements(block));
    for (int64_t i = 0, n = ArrayElementCount(block); i < n; ++i) Free(elements[i]);
  }
  Free(block);
}

}  // namespace vx
