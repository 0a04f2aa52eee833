#include "units/combo_box/combo_box_type.h"

#include "units/combo_box/combo_box_styles.h"
#include "units/combo_box/combo_box_unit.h"
#include "units/unit_base/unit_operations.h"
#include "units/unit_base/value_clamps.h"

namespace vx {
namespace {

using D = ComboBoxData;
using C = ComboBoxUnit;

constexpr uint32_t kComboBoxStateFlags = unit_state::kOwnsControl | unit_state::kComboBit | unit_state::kCoreType;
constexpr Clamp kLength = Range(0, kRangeMaximum);

constexpr PropertyRow<C> kRows[] = {
    {8, "ComboType", pt::kPickList, 0x8000, &D::comboType, PickList(combo_type::kCount), Call(&C::ApplyComboType)},
    {9, "Content", pt::kText, 0x8001, &D::content, {}, Call(&C::ApplyContent), &C::ReadContent},
    {10, "MaxLength", pt::kInteger, 0x8001, &D::maxLength, kLength, Call(&C::ApplyMaxLength)},
    {11, "SelStart", pt::kInteger, 0x8001, &D::selStart, {}, Call(&C::ApplySelStart), &C::ReadSelStart},
    {12, "SelLength", pt::kInteger, 0x8001, &D::selLength, {}, Call(&C::ApplySelLength), &C::ReadSelLength},
    {13, "SelectedText", pt::kText, 0x8009, {}, {}, Call(&C::ApplySelectedText), &C::ReadSelectedText},
    {14, "Sorted", pt::kLogical, 0x8000, &D::sorted, {}, Effect::kRecreateWhenChanged},
    {15, "ItemSpacing", pt::kInteger, 0x8000, &D::itemSpacing, kLength, Call(&C::ApplyItemSpacing)},
    {16, "TextColour", pt::kColour, 0x8000, &D::textColour, {}, Call(&C::Repaint)},
    {17, "BackColour", pt::kBackgroundColour, 0x8000, &D::backColour, {}, Call(&C::ApplyBackColour)},
    {18, "Font", pt::kFont, 0x8000, &D::font, {}, Call(&C::ApplyFont)},
    {19, "CurrentSelection", pt::kInteger, 0x8000, &D::currentSelection, AtLeast(-1), Call(&C::ApplyCurrentSelection),
     &C::ReadCurrentSelection},
    {20, "Items", pt::kCustom, 0x8000, &D::items, {}, Call(&C::ApplyItems), &C::ReadItems},
    {21, "ItemValues", pt::kCustom, 0x8000, &D::itemValues, {}, Effect::kRecreate},
    {22, "DataSource", pt::kDataSource, 0x8000, &D::dataSource},
    {23, "DataColumn", pt::kDataColumn, 0x8000, &D::dataColumn},
    {24, "DataOption", pt::kLogical, 0x8010, &D::dataOption},
};

using Operations = UnitOperations<C, kRows>;

void* ComboBoxOperations(int32_t number) { return Operations::Find(number); }

}  // namespace

const UnitTypeInfo& ComboBoxUnitType() {
  static constexpr UnitTypeInfo kType =
      UnitTypeRecord("组合框", "ComboBox", kComboBoxStateFlags, Operations::kPropertyInfos, ComboBoxOperations);
  return kType;
}

}  // namespace vx
