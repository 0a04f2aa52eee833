#include "units/combo_box/combo_box_items.h"

#include <gtest/gtest.h>

namespace vx {
namespace {

TEST(ComboBoxItems, TextsRoundTripThroughTheItemsBlock) {
  TextList items = {"甲", "", "English"};
  Bytes block = EncodeItemTexts(items);
  EXPECT_EQ(block.size(), 2u + 3 * 4 + 2 + 7) << "u16 count, then texts of u32 length";
  EXPECT_EQ(DecodeItemTexts(block), items);
}

TEST(ComboBoxItems, AnEmptyOrUnreadableBlockHoldsNoTexts) {
  EXPECT_TRUE(DecodeItemTexts({}).empty());
  Bytes block = EncodeItemTexts({"甲", "乙"});
  block.pop_back();
  EXPECT_TRUE(DecodeItemTexts(block).empty());
}

TEST(ComboBoxItems, ItemsPastTheValuesBlockHaveNoValue) {
  const uint8_t values[] = {0x0A, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 7};
  EXPECT_EQ(StoredItemValue(values, 0), 10);
  EXPECT_EQ(StoredItemValue(values, 1), -1);
  EXPECT_EQ(StoredItemValue(values, 2), std::nullopt) << "a partial word is no value";
}

}  // namespace
}  // namespace vx
