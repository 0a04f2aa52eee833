#include "runtime/heap.h"

#include <gtest/gtest.h>

#include <cstring>

#include "tests/support/raised_error.h"

namespace vx {
namespace {

// A ConstantBlock with an 8-byte array block (one dimension of one int) in it.
struct ConstantBlockTest : ::testing::Test {
  alignas(4) uint8_t constants[16] = {1, 0, 0, 0, 1, 0, 0, 0, 0x2A, 0, 0, 0, 'h', 'i', 0, 0};
  void SetUp() override { SetConstantBlock(constants, sizeof constants); }
  void TearDown() override { ForgetConstantBlock(); }
};

TEST_F(ConstantBlockTest, FreeOfNullOrAConstantDoesNothing) {
  Free(nullptr);
  Free(constants + 12);
  EXPECT_EQ(constants[12], 'h');
  EXPECT_TRUE(InConstantBlock(constants + 15));
  EXPECT_FALSE(InConstantBlock(constants + 16));
}

TEST_F(ConstantBlockTest, ReallocatingAConstantCopiesIntoAFreshBlock) {
  auto* shrunk = static_cast<uint8_t*>(Reallocate(constants + 4, 4));
  EXPECT_FALSE(InConstantBlock(shrunk));
  EXPECT_EQ(std::memcmp(shrunk, constants + 4, 4), 0);
  Free(shrunk);

  // Growing copies only the bytes up to the end of the constant area.
  auto* grown = static_cast<uint8_t*>(Reallocate(constants + 8, 100));
  std::memset(grown + 8, 0xEE, 92);
  EXPECT_EQ(std::memcmp(grown, constants + 8, 8), 0);
  EXPECT_EQ(grown[8], 0xEE);
  EXPECT_EQ(constants[8], 0x2A);  // the constant itself is left alone
  Free(grown);
}

TEST(Heap, ReallocateKeepsContentsAndNullBehavesAsAllocate) {
  auto* block = static_cast<char*>(Reallocate(nullptr, 4));
  std::memcpy(block, "abc", 4);
  block = static_cast<char*>(Reallocate(block, 4096));
  EXPECT_STREQ(block, "abc");
  Free(block);
}

TEST(Heap, AllocationFailureIsFatalWithTheByteCount) {
  try {
    Allocate(-100);
    FAIL() << "Allocate returned";
  } catch (const test::RaisedError& error) {
    EXPECT_EQ(error.message, "分配 -100 字节内存失败!");
    EXPECT_EQ(error.code, 0);
  }
  EXPECT_EQ(AllocateOrNull(-1), nullptr);
  void* block = Allocate(8);
  EXPECT_THROW(Reallocate(block, -8), test::RaisedError);
  Free(block);
}

}  // namespace
}  // namespace vx
