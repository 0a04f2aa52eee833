#include "commands/core/expression.h"

#include <cstring>

#include "contract/values.h"

namespace vx {

char* JoinTexts(const RuntimeHelperTable& runtime, int count, const char* const* texts) {
  size_t total = 0;
  for (int i = 0; i < count; ++i) total += texts[i] ? std::strlen(texts[i]) : 0;
  // A sum past 2 GiB asks for an impossible size and fails as an allocation.
  int32_t size = total < INT32_MAX ? static_cast<int32_t>(total + 1) : -1;
  auto* joined = static_cast<char*>(runtime.allocate(size));
  char* out = joined;
  for (int i = 0; i < count; ++i) {
    if (!texts[i]) continue;
    size_t length = std::strlen(texts[i]);
    std::memcpy(out, texts[i], length);
    out += length;
  }
  *out = '\0';
  return joined;
}

int CompareTexts(const char* a, const char* b) {
  bool aEmpty = !a || !*a, bEmpty = !b || !*b;
  if (aEmpty || bEmpty) return aEmpty == bEmpty ? 0 : (aEmpty ? -1 : 1);
  int order = std::strcmp(a, b);  // strcmp compares as unsigned char
  return order < 0 ? -1 : (order > 0 ? 1 : 0);
}

int64_t ElementCount(const int32_t* arrayBlock) { return ArrayElementCount(arrayBlock); }

void CheckSubscript(const RuntimeHelperTable& runtime, int64_t index, int64_t count) {
  if (index < 1) runtime.reportRuntimeError(4);
  if (index > count) runtime.reportRuntimeError(1);
}

}  // namespace vx
