#include "units/unit_base/unit_creation.h"

#include <gtest/gtest.h>

#include "tests/units/sample_unit.h"

namespace vx {
namespace {

using test::SampleUnit;

TEST(UnitCreation, NoRecordGivesDefaultsAndStoresTheUnitRef) {
  std::unique_ptr<SampleUnit> unit = NewUnitFromRecord<SampleUnit>(nullptr, 0, 0x52010001, 0x16010005, 0);
  ASSERT_TRUE(unit);
  EXPECT_EQ(unit->windowId(), 0x52010001u);
  EXPECT_EQ(unit->unitId(), 0x16010005u);
  EXPECT_EQ(unit->designFlag(), 0);
  EXPECT_EQ(unit->data.number, 7u);
  EXPECT_EQ(unit->data.caption, "样本");
}

TEST(UnitCreation, EmptyRecordIsNotRead) {
  const uint8_t garbage[] = {0xFF, 0xFF, 0xFF, 0xFF};
  std::unique_ptr<SampleUnit> unit = NewUnitFromRecord<SampleUnit>(garbage, 0, 1, 2, 1);
  ASSERT_TRUE(unit);
  EXPECT_EQ(unit->designFlag(), 1);
  EXPECT_EQ(unit->data.number, 7u);
}

TEST(UnitCreation, RecordIsLoaded) {
  test::SamplePropertyData stored;
  stored.number = 1234;
  stored.caption = "按钮";
  std::vector<uint8_t> record = stored.Stream();
  std::unique_ptr<SampleUnit> unit =
      NewUnitFromRecord<SampleUnit>(record.data(), static_cast<int32_t>(record.size()), 1, 2, 0);
  ASSERT_TRUE(unit);
  EXPECT_EQ(unit->data.number, 1234u);
  EXPECT_EQ(unit->data.caption, "按钮");
}

TEST(UnitCreation, UnreadableRecordGivesNoUnit) {
  std::vector<uint8_t> record = test::SamplePropertyData().Stream();
  record[0] = 3;  // a version above the type's
  EXPECT_FALSE(NewUnitFromRecord<SampleUnit>(record.data(), static_cast<int32_t>(record.size()), 1, 2, 0));
  record[0] = 2;
  EXPECT_FALSE(NewUnitFromRecord<SampleUnit>(record.data(), static_cast<int32_t>(record.size()) - 1, 1, 2, 0));
  EXPECT_FALSE(NewUnitFromRecord<SampleUnit>(record.data(), 1, 1, 2, 0));
}

}  // namespace
}  // namespace vx
