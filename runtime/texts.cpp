#include "runtime/texts.h"

#include <cstring>

#include "runtime/heap.h"

namespace vx {

char* CopyText(const char* text) {
  return text ? MakeText(text, static_cast<int32_t>(std::strlen(text))) : nullptr;
}

char* MakeText(const char* bytes, int32_t length) {
  if (length <= 0) return nullptr;
  auto* text = static_cast<char*>(Allocate(length + 1));
  std::memcpy(text, bytes, static_cast<size_t>(length));
  text[length] = '\0';
  return text;
}

int32_t* MakeByteSet(const void* bytes, int32_t length) {
  if (length <= 0) return nullptr;
  auto* set = static_cast<int32_t*>(Allocate(2 * sizeof(int32_t) + length));
  set[0] = 1;
  set[1] = length;
  std::memcpy(set + 2, bytes, static_cast<size_t>(length));
  return set;
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
