#include "runtime/framework/text/text_blocks.h"

#include <cstring>

namespace vx {

char* FillText(void* block, const char* bytes, size_t length) {
  auto* text = static_cast<char*>(block);
  std::memcpy(text, bytes, length);
  text[length] = '\0';
  return text;
}

int32_t* FillByteSet(void* block, const void* bytes, size_t length) {
  auto* set = static_cast<int32_t*>(block);
  set[0] = 1;
  set[1] = static_cast<int32_t>(length);
  std::memcpy(set + 2, bytes, length);
  return set;
}

}  // namespace vx
