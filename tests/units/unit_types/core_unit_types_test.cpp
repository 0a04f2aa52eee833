#include "units/unit_types/core_unit_types.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <iterator>
#include <set>

namespace vx {
namespace {

namespace pt = property_type;

struct ExpectedType {
  uint32_t code;
  const char* chineseName;
  const char* englishName;
  uint32_t propertyCount;
  uint32_t stateFlags;
};

const ExpectedType kExpected[] = {
    {0x00010001, "窗口", "window", 32, 0x800000D0},          {0x00010005, "编辑框", "EditBox", 29, 0x80000040},
    {0x00010009, "分组框", "GroupBox", 13, 0x840140C0},      {0x0001000A, "标签", "Label", 29, 0x84012040},
    {0x0001000B, "按钮", "Button", 14, 0x80000840},          {0x0001000E, "组合框", "ComboBox", 25, 0x80000240},
    {0x00010013, "进度条", "ProcessBar", 14, 0x84010040},    {0x00010014, "滑块条", "SliderBar", 20, 0x80000040},
    {0x0001001F, "通用对话框", "CommonDlg", 30, 0x80008040},
};

const UnitPropertyInfo& Row(uint32_t code, int32_t index) {
  const UnitTypeInfo* type = CoreUnitType(code);
  EXPECT_NE(type, nullptr);
  const UnitPropertyInfo* row = PropertyInfo(*type, index);
  EXPECT_NE(row, nullptr);
  return *row;
}

void ExpectRow(uint32_t code, int32_t index, uint16_t typeCode, uint16_t flags) {
  const UnitPropertyInfo row = Row(code, index);
  EXPECT_EQ(row.typeCode, typeCode) << std::hex << code << " property " << std::dec << index;
  EXPECT_EQ(row.flags, flags) << std::hex << code << " property " << std::dec << index;
}

TEST(CoreUnitTypes, LibraryHas51SlotsAndItsNoticeEntry) {
  const LibraryRecord& library = CoreLibrary();
  EXPECT_EQ(library.libraryNotify, CoreLibraryNotify);
  EXPECT_EQ(library.unitTypeCount, 51u);
  ASSERT_NE(library.unitTypes, nullptr);
}

TEST(CoreUnitTypes, NineUsedSlotsWithNamesFlagsAndCounts) {
  const LibraryRecord& library = CoreLibrary();
  for (const ExpectedType& expected : kExpected) {
    SCOPED_TRACE(expected.englishName);
    const UnitTypeInfo* type = CoreUnitType(expected.code);
    ASSERT_NE(type, nullptr);
    EXPECT_EQ(type, &library.unitTypes[(expected.code & 0xFFFF) - 1]);
    EXPECT_STREQ(type->chineseName, expected.chineseName);
    EXPECT_STREQ(type->englishName, expected.englishName);
    EXPECT_EQ(type->stateFlags, expected.stateFlags);
    EXPECT_EQ(type->propertyCount, expected.propertyCount);
    EXPECT_NE(type->properties, nullptr);
    EXPECT_EQ(type->description, nullptr);
    EXPECT_EQ(type->methodCount, 0u);
    EXPECT_EQ(type->methods, nullptr);
    EXPECT_EQ(type->iconResourceId, 0u);
    EXPECT_EQ(type->eventCount, 0u);
    EXPECT_EQ(type->events, nullptr);
    EXPECT_EQ(type->elementCount, 0u);
    EXPECT_EQ(type->elements, nullptr);
  }
}

TEST(CoreUnitTypes, NamesAreGbk) {
  // "编辑框" in GBK.
  EXPECT_EQ(std::memcmp(CoreUnitType(0x00010005)->chineseName, "\xB1\xE0\xBC\xAD\xBF\xF2", 7), 0);
}

bool AllZero(const UnitTypeInfo& t) {
  return !t.chineseName && !t.englishName && !t.description && !t.methodCount && !t.methods && !t.stateFlags &&
         !t.iconResourceId && !t.eventCount && !t.events && !t.propertyCount && !t.properties && !t.getInterface &&
         !t.elementCount && !t.elements;
}

TEST(CoreUnitTypes, AllOtherSlotsAreAllZero) {
  std::set<uint32_t> used;
  for (const ExpectedType& expected : kExpected) used.insert(expected.code & 0xFFFF);
  const LibraryRecord& library = CoreLibrary();
  for (uint32_t slot = 1; slot <= 51; ++slot) {
    if (used.count(slot)) continue;
    EXPECT_TRUE(AllZero(library.unitTypes[slot - 1])) << slot;
    EXPECT_EQ(CoreUnitType(0x00010000 | slot), nullptr) << slot;
  }
}

TEST(CoreUnitTypes, CodesOutsideTheCoreTableHaveNoType) {
  EXPECT_EQ(CoreUnitType(0x00010000), nullptr);
  EXPECT_EQ(CoreUnitType(0x00010034), nullptr);  // slot 52
  EXPECT_EQ(CoreUnitType(0x00020001), nullptr);  // the speech library's type
  EXPECT_EQ(CoreUnitType(0x80010001), nullptr);
  EXPECT_NE(CoreUnitType(core_unit_type::kSliderBar), nullptr);
}

// Each type's operations: the shared ones, WalkTexts where the type holds texts,
// and the type's own (8 WantsKey, 10 IsDefaultButton).
struct TypeOperations {
  uint32_t code;
  bool walksTexts;
  bool wantsKey;
  bool isDefaultButton;
};
const TypeOperations kOperations[] = {
    {core_unit_type::kWindow, true, false, false},       {core_unit_type::kEditBox, true, true, false},
    {core_unit_type::kGroupBox, true, false, false},     {core_unit_type::kLabel, true, false, false},
    {core_unit_type::kButton, true, false, true},        {core_unit_type::kComboBox, true, false, false},
    {core_unit_type::kProgressBar, false, false, false}, {core_unit_type::kSliderBar, false, false, false},
    {core_unit_type::kCommonDialog, true, false, false},
};

TEST(CoreUnitTypes, EveryTypeOffersItsOperations) {
  for (const TypeOperations& type : kOperations) {
    GetInterfaceFn operations = CoreUnitType(type.code)->getInterface;
    for (int32_t number : {1, 4, 5, 6})
      EXPECT_NE(operations(number), nullptr) << std::hex << type.code << " " << number;
    EXPECT_EQ(operations(9) != nullptr, type.walksTexts) << std::hex << type.code;
    EXPECT_EQ(operations(8) != nullptr, type.wantsKey) << std::hex << type.code;
    EXPECT_EQ(operations(10) != nullptr, type.isDefaultButton) << std::hex << type.code;
    EXPECT_EQ(operations(7), nullptr) << std::hex << type.code;
  }
}

TEST(CoreUnitTypes, EveryTypeStartsWithTheEightCommonProperties) {
  const uint16_t types[8] = {pt::kInteger, pt::kInteger, pt::kInteger, pt::kInteger,
                             pt::kText,    pt::kLogical, pt::kLogical, pt::kMousePointer};
  for (const ExpectedType& expected : kExpected) {
    for (int32_t index = 0; index < 8; ++index) ExpectRow(expected.code, index, types[index], 0xE000);
  }
}

TEST(CoreUnitTypes, EveryOwnPropertyHasBit8000AndNoNames) {
  for (const ExpectedType& expected : kExpected) {
    const UnitTypeInfo* type = CoreUnitType(expected.code);
    for (uint32_t index = 8; index < type->propertyCount; ++index) {
      // Copied out: the rows are packed, so their fields may be misaligned.
      const UnitPropertyInfo row = type->properties[index];
      const void* fields[] = {row.name, row.englishName, row.description, row.pickList};
      EXPECT_EQ(row.flags & 0xE000, 0x8000) << expected.englishName << " " << index;
      for (const void* field : fields) EXPECT_EQ(field, nullptr) << expected.englishName << " " << index;
    }
  }
}

TEST(CoreUnitTypes, PropertyRowsPackTwentyBytesInThe32BitProgram) {
  if (sizeof(void*) == 4) {
    EXPECT_EQ(sizeof(UnitPropertyInfo), 20u);
  }
  EXPECT_EQ(PropertyInfo(*CoreUnitType(core_unit_type::kEditBox), 29), nullptr);
  EXPECT_EQ(PropertyInfo(*CoreUnitType(core_unit_type::kEditBox), -1), nullptr);
}

TEST(CoreUnitTypes, WindowRows) {
  uint32_t code = core_unit_type::kWindow;
  ExpectRow(code, 8, pt::kText, 0x8000);
  ExpectRow(code, 10, pt::kBackgroundColour, 0x8000);
  ExpectRow(code, 13, pt::kSound, 0x8000);
  ExpectRow(code, 16, pt::kLogical, 0x8001);
  ExpectRow(code, 20, pt::kIcon, 0x8000);
  ExpectRow(code, 24, pt::kFileName, 0x8001);
  ExpectRow(code, 25, pt::kInteger, 0x8001);
  ExpectRow(code, 31, pt::kText, 0x8000);
}

TEST(CoreUnitTypes, TheEditBoxOffersItsOperationsAndWantsKey) {
  const UnitTypeInfo* type = CoreUnitType(core_unit_type::kEditBox);
  for (int32_t number : {1, 4, 5, 6, 8, 9}) EXPECT_NE(type->getInterface(number), nullptr) << number;
  for (int32_t number : {0, 2, 3, 7, 10, 11}) EXPECT_EQ(type->getInterface(number), nullptr) << number;
}

TEST(CoreUnitTypes, EditBoxRows) {
  uint32_t code = core_unit_type::kEditBox;
  ExpectRow(code, 9, pt::kPickList, 0x8000);
  ExpectRow(code, 10, pt::kColour, 0x8000);
  ExpectRow(code, 13, pt::kLogical, 0x8000);
  ExpectRow(code, 14, pt::kInteger, 0x8000);
  ExpectRow(code, 18, pt::kPickList, 0x8000);
  ExpectRow(code, 22, pt::kInteger, 0x8001);
  ExpectRow(code, 24, pt::kInteger, 0x8000);
  ExpectRow(code, 8, pt::kText, 0x8000);
  ExpectRow(code, 11, pt::kBackgroundColour, 0x8000);
  ExpectRow(code, 12, pt::kFont, 0x8000);
  ExpectRow(code, 19, pt::kText, 0x8001);
  ExpectRow(code, 23, pt::kInteger, 0x8001);
  ExpectRow(code, 26, pt::kText, 0x8008);
  ExpectRow(code, 27, pt::kDataSource, 0x8000);
  ExpectRow(code, 28, pt::kDataColumn, 0x8000);
}

TEST(CoreUnitTypes, LabelButtonAndGroupBoxRows) {
  constexpr uint16_t kAlpha = pt::kColourWithAlpha;  // the frame and gradient colours
  const uint16_t label[] = {
      pt::kText, pt::kPickList, pt::kPickList,         pt::kInteger, kAlpha,        kAlpha,          kAlpha,
      pt::kFont, pt::kColour,   pt::kBackgroundColour, pt::kPicture, pt::kPickList, pt::kPickList,   kAlpha,
      kAlpha,    kAlpha,        pt::kPickList,         pt::kLogical, pt::kPickList, pt::kDataSource, pt::kDataColumn};
  const std::set<int32_t> labelOptions = {11, 12, 13, 14, 19, 21, 22, 23};
  for (int32_t index = 8; index < 29; ++index) {
    ExpectRow(core_unit_type::kLabel, index, label[index - 8], labelOptions.count(index) ? 0x8001 : 0x8000);
  }
  const uint16_t button[] = {pt::kPicture, pt::kPickList, pt::kText, pt::kPickList, pt::kPickList, pt::kFont};
  for (int32_t index = 8; index < 14; ++index) ExpectRow(core_unit_type::kButton, index, button[index - 8], 0x8000);
  const uint16_t groupBox[] = {pt::kText, pt::kPickList, pt::kColour, pt::kBackgroundColour, pt::kFont};
  for (int32_t index = 8; index < 13; ++index) {
    ExpectRow(core_unit_type::kGroupBox, index, groupBox[index - 8], 0x8000);
  }
}

TEST(CoreUnitTypes, ComboBoxRows) {
  uint32_t code = core_unit_type::kComboBox;
  ExpectRow(code, 8, pt::kPickList, 0x8000);
  ExpectRow(code, 9, pt::kText, 0x8001);
  ExpectRow(code, 13, pt::kText, 0x8009);
  ExpectRow(code, 19, pt::kInteger, 0x8000);
  ExpectRow(code, 20, pt::kCustom, 0x8000);
  ExpectRow(code, 21, pt::kCustom, 0x8000);
  ExpectRow(code, 24, pt::kLogical, 0x8010);
}

TEST(CoreUnitTypes, ProgressAndSliderBarRows) {
  ExpectRow(core_unit_type::kProgressBar, 8, pt::kPickList, 0x8000);
  ExpectRow(core_unit_type::kProgressBar, 13, pt::kInteger, 0x8000);
  ExpectRow(core_unit_type::kSliderBar, 10, pt::kPickList, 0x8000);
  ExpectRow(core_unit_type::kSliderBar, 11, pt::kInteger, 0x8001);
  ExpectRow(core_unit_type::kSliderBar, 12, pt::kLogical, 0x8000);
  ExpectRow(core_unit_type::kSliderBar, 14, pt::kInteger, 0x8001);
  ExpectRow(core_unit_type::kSliderBar, 19, pt::kInteger, 0x8000);
}

TEST(CoreUnitTypes, CommonDialogRows) {
  uint32_t code = core_unit_type::kCommonDialog;
  ExpectRow(code, 8, pt::kPickList, 0x8002);
  ExpectRow(code, 12, pt::kInteger, 0x8001);
  ExpectRow(code, 19, pt::kLogical, 0x8002);
  ExpectRow(code, 20, pt::kColour, 0x8000);
  ExpectRow(code, 26, pt::kInteger, 0x8002);
  ExpectRow(code, 28, pt::kPickList, 0x8000);
  ExpectRow(code, 29, pt::kInteger, 0x8001);
}

}  // namespace
}  // namespace vx
