#include "commands/core/to_text.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace vx {
namespace {

MDATA Value(DataType type, uint64_t raw) {
  MDATA value = {};
  value.raw = raw;
  value.type = type;
  return value;
}

template <class T>
MDATA Of(DataType type, T number) {
  MDATA value = Value(type, 0);
  std::memcpy(&value.raw, &number, sizeof number);
  return value;
}

TEST(ToText, EachKindOfValueInItsForm) {
  char text[] = "语速";
  std::vector<int32_t> bytes = {1, 5, 0, 0};
  std::memcpy(&bytes[2], "ab\0cd", 5);
  std::vector<int32_t> cube = {2, 1, 2, 'x', 'y'};  // two 32-bit elements behind two size words
  std::vector<int32_t> texts = {1, 0};
  const struct {
    MDATA value;
    std::string text;
  } cases[] = {
      {Of<double>(type::kDouble, 25 * 2.0), "50"},
      {Of<double>(type::kDouble, 7 * 5.0), "35"},
      {Of<double>(type::kDouble, 0.5), "0.5"},
      {Of<float>(type::kFloat, 1.0f / 3), "0.333333"},
      {Of<uint8_t>(type::kByte, 200), "200"},
      {Of<int16_t>(type::kShort, -2), "-2"},
      {Of<int32_t>(type::kInt, -2147483647 - 1), "-2147483648"},
      {Of<int64_t>(type::kLong, 1234567890123LL), "1234567890123"},
      {Of<int32_t>(type::kBool, 5), "真"},
      {Of<int32_t>(type::kBool, 0), "假"},
      {Of<double>(type::kDateTime, 45356.5), "2024年3月5日12时"},
      {Of<char*>(type::kText, text), "语速"},
      {Of<int32_t*>(type::kByteSet, bytes.data()), "ab"},
      {Of<int32_t*>(type::kInt | type::kArrayBit, cube.data()), "x"},
      {Of<int32_t*>(type::kText | type::kArrayBit, texts.data()), ""},
      {Value(type::kSubroutine, 1), ""},
  };
  for (const auto& c : cases) EXPECT_EQ(ValueText(c.value), c.text) << std::hex << c.value.type;
}

}  // namespace
}  // namespace vx
