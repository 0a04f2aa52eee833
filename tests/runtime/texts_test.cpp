#include "runtime/texts.h"

#include <gtest/gtest.h>

#include "runtime/heap.h"

namespace vx {
namespace {

TEST(Texts, EmptyTextIsNull) {
  EXPECT_EQ(CopyText(nullptr), nullptr);
  EXPECT_EQ(CopyText(""), nullptr);
  EXPECT_EQ(MakeText("abc", 0), nullptr);
  EXPECT_EQ(MakeText("abc", -3), nullptr);
  EXPECT_EQ(MakeByteSet("abc", 0), nullptr);
}

TEST(Texts, CopiesAreOwnedBlocks) {
  const char* original = "语音";
  char* copy = CopyText(original);
  ASSERT_NE(copy, nullptr);
  EXPECT_NE(copy, original);
  EXPECT_STREQ(copy, original);
  Free(copy);

  char* part = MakeText("hello", 3);
  EXPECT_STREQ(part, "hel");
  Free(part);
}

TEST(Texts, ByteSetIsAOneDimensionalBlock) {
  int32_t* set = MakeByteSet("\x01\x00\x02", 3);
  ASSERT_NE(set, nullptr);
  EXPECT_EQ(set[0], 1);
  EXPECT_EQ(ByteSetLength(set), 3);
  EXPECT_EQ(ArrayElements(set)[2], 2);
  Free(set);
  EXPECT_EQ(ByteSetLength(nullptr), 0);
}

TEST(Texts, FreeingATextArrayFreesItsElements) {
  // Run under the sanitizers: a leak or a double free here fails the build's tests.
  auto* block = static_cast<int32_t*>(Allocate(8 + 3 * sizeof(char*)));
  block[0] = 1;
  block[1] = 3;
  auto** elements = reinterpret_cast<char**>(ArrayElements(block));
  elements[0] = CopyText("a");
  elements[1] = nullptr;
  elements[2] = CopyText("c");
  FreeArray(block, type::kText | type::kArrayBit);
  FreeArray(nullptr, type::kText);
}

}  // namespace
}  // namespace vx
