#include "units/combo_box/combo_box_type.h"

#include "units/combo_box/combo_box_styles.h"
#include "units/combo_box/combo_box_unit.h"
#include "units/unit_base/unit_operations.h"
#include "units/unit_base/value_clamps.h"

namespace vx {
namespace {

using D = ComboBoxData;
using C = ComboBoxUnit;
namespace P = combo_box_property;

constexpr uint32_t kComboBoxStateFlags = unit_state::kOwnsControl | unit_state::kComboBit | unit_state::kCoreType;
constexpr Clamp kLength = Range(0, kRangeMaximum);

constexpr PropertyRow<C> kRows[] = {
    {P::kComboType, "ComboType", pt::kPickList, kPlain, &D::comboType, PickList(combo_type::kCount),
     InPlace(&C::ApplyComboType)},
    {P::kContent, "Content", pt::kText, kQualifier, &D::content, {}, Call(&C::ApplyContent), &C::ReadContent},
    {P::kMaxLength, "MaxLength", pt::kInteger, kQualifier, &D::maxLength, kLength, Call(&C::ApplyMaxLength)},
    {P::kSelStart, "SelStart", pt::kInteger, kQualifier, &D::selStart, {}, Call(&C::ApplySelStart), &C::ReadSelStart},
    {P::kSelLength,
     "SelLength",
     pt::kInteger,
     kQualifier,
     &D::selLength,
     {},
     Call(&C::ApplySelLength),
     &C::ReadSelLength},
    {P::kSelectedText,
     "SelectedText",
     pt::kText,
     property_flag::kRunningOnly | kQualifier,
     {},
     {},
     InPlace(&C::ApplySelectedText),
     &C::ReadSelectedText},
    {P::kSorted, "Sorted", pt::kLogical, kPlain, &D::sorted, {}, Effect::kRecreateWhenChanged},
    {P::kItemSpacing, "ItemSpacing", pt::kInteger, kPlain, &D::itemSpacing, kLength, Call(&C::ApplyItemSpacing)},
    {P::kTextColour, "TextColour", pt::kColour, kPlain, &D::textColour, {}, Effect::kRepaint},
    {P::kBackColour, "BackColour", pt::kBackgroundColour, kPlain, &D::backColour, {}, Effect::kBackBrush},
    {P::kFont, "Font", pt::kFont, kPlain, &D::font, {}, Call(&C::ApplyFont)},
    {P::kCurrentSelection, "CurrentSelection", pt::kInteger, kPlain, &D::currentSelection, AtLeast(-1),
     InPlace(&C::ApplyCurrentSelection), &C::ReadCurrentSelection},
    {P::kItems, "Items", pt::kCustom, kPlain, &D::items, {}, {Effect::kRecreate, &C::StoreItems}, &C::ReadItems},
    {P::kItemValues, "ItemValues", pt::kCustom, kPlain, &D::itemValues, {}, Effect::kRecreate},
    {P::kDataSource, "DataSource", pt::kDataSource, kPlain, &D::dataSource},
    {P::kDataColumn, "DataColumn", pt::kDataColumn, kPlain, &D::dataColumn},
    {P::kDataOption, "DataOption", pt::kLogical, property_flag::kBindingOption, &D::dataOption},
};

}  // namespace

const UnitTypeInfo& ComboBoxUnitType() {
  static constexpr UnitTypeInfo kType = UnitTypeOf<C, kRows>({"组合框", "ComboBox"}, kComboBoxStateFlags);
  return kType;
}

}  // namespace vx
