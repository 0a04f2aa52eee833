#include "units/unit_base/all_property_data.h"

#include <gtest/gtest.h>

#include "tests/units/sample_unit.h"

namespace vx {
namespace {

std::vector<uint8_t> BlockBytes(HGLOBAL block) {
  const uint8_t* bytes = static_cast<const uint8_t*>(GlobalLock(block));
  std::vector<uint8_t> copy(bytes, bytes + GlobalSize(block));
  GlobalUnlock(block);
  return copy;
}

TEST(AllPropertyData, BlockHoldsExactlyTheStream) {
  test::SampleUnit unit(0x52010001, 0x16010001);
  unit.data.caption = "暂停";
  unit.data.font.assign(60, 7);
  std::vector<uint8_t> stream = unit.data.Stream();

  HGLOBAL block = static_cast<HGLOBAL>(GetAllPropertyData(&unit));
  ASSERT_NE(block, nullptr);
  EXPECT_EQ(GlobalSize(block), stream.size());
  EXPECT_EQ(BlockBytes(block), stream);

  test::SampleUnit recreated(0x52010001, 0x16010001);
  const uint8_t* bytes = static_cast<const uint8_t*>(GlobalLock(block));
  EXPECT_TRUE(LoadPropertyData(recreated.data, bytes, static_cast<int32_t>(GlobalSize(block))));
  GlobalUnlock(block);
  EXPECT_EQ(recreated.data.caption, "暂停");
  EXPECT_EQ(GlobalFree(block), nullptr);
}

TEST(AllPropertyData, BlockIsMovableMemory) {
  test::SampleUnit unit(1, 2);
  HGLOBAL block = static_cast<HGLOBAL>(GetAllPropertyData(&unit));
  ASSERT_NE(block, nullptr);
  // A fixed block's handle is its address and it keeps no lock count.
  void* address = GlobalLock(block);
  EXPECT_NE(address, static_cast<void*>(block));
  EXPECT_EQ(GlobalFlags(block) & GMEM_LOCKCOUNT, 1u);
  GlobalUnlock(block);
  EXPECT_EQ(GlobalFlags(block) & GMEM_LOCKCOUNT, 0u);
  GlobalFree(block);
}

TEST(AllPropertyData, NoUnitOrNoPropertyDataGivesNoBlock) {
  EXPECT_EQ(GetAllPropertyData(nullptr), nullptr);
  UnitObject bare(1, 2);
  EXPECT_EQ(GetAllPropertyData(&bare), nullptr);
}

TEST(AllPropertyData, MovableBlockFromBytes) {
  const uint8_t bytes[] = {1, 2, 3};
  HGLOBAL block = MovableBlockFrom(bytes);
  ASSERT_NE(block, nullptr);
  EXPECT_EQ(BlockBytes(block), std::vector<uint8_t>({1, 2, 3}));
  GlobalFree(block);
}

}  // namespace
}  // namespace vx
