#include "commands/core/to_text.h"

#include <cstring>

#include "runtime/framework/text/value_text.h"

namespace vx {
namespace {

// The elements' bytes up to the first zero byte. The elements are found through
// the block's own header, so an array of any number of dimensions reads its
// elements, never its size words.
std::string ElementBytes(const int32_t* block, int elementSize) {
  if (!block || ArrayDimensionCount(block) < 1) return {};
  auto bytes = static_cast<size_t>(ArrayElementCount(block)) * static_cast<size_t>(elementSize);
  const auto* start = reinterpret_cast<const char*>(ArrayElements(block));
  const void* zero = std::memchr(start, 0, bytes);
  return std::string(start, zero ? static_cast<const char*>(zero) - start : bytes);
}

}  // namespace

std::string ValueText(const MDATA& value) {
  if (value.type == type::kByteSet) return ElementBytes(value.block, 1);
  if (IsArrayType(value.type)) {
    DataType element = BaseType(value.type);
    return IsNumericType(element) ? ElementBytes(value.block, ElementSize(element)) : std::string();
  }
  switch (value.type) {
    case type::kByte:
      return IntegerText(value.byteValue);
    case type::kShort:
      return IntegerText(value.shortValue);
    case type::kInt:
      return IntegerText(value.intValue);
    case type::kLong:
      return IntegerText(value.longValue);
    case type::kFloat:
      return SingleText(value.floatValue);
    case type::kDouble:
      return DoubleText(value.doubleValue);
    case type::kText:
      return value.text ? value.text : "";
    case type::kBool:
      return value.intValue != 0 ? "真" : "假";
    case type::kDateTime:
      return DateTimeText(value.doubleValue);
    default:
      return {};
  }
}

}  // namespace vx
