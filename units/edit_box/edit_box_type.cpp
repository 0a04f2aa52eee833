#include "units/edit_box/edit_box_type.h"

#include "units/edit_box/edit_box_input.h"
#include "units/edit_box/edit_box_unit.h"
#include "units/unit_base/border_style.h"
#include "units/unit_base/unit_operations.h"

namespace vx {
namespace {

using D = EditBoxData;
using E = EditBoxUnit;

constexpr uint32_t kEditBoxStateFlags = unit_state::kOwnsControl | unit_state::kCoreType;

constexpr PropertyRow<E> kRows[] = {
    {8, "Content", pt::kText, 0x8000, &D::content, {}, Call(&E::ApplyContent), &E::ReadContent},
    {9, "Border", pt::kPickList, 0x8000, &D::border, PickList(border_style::kCount), Call(&E::ApplyBorder)},
    {10, "TextColour", pt::kColour, 0x8000, &D::textColour, {}, Effect::kRepaint},
    {11, "BackColour", pt::kBackgroundColour, 0x8000, &D::backColour, {}, Call(&E::ApplyBackColour)},
    {12, "Font", pt::kFont, 0x8000, &D::font, {}, Call(&E::ApplyFont)},
    {13, "HideSelection", pt::kLogical, 0x8000, &D::hideSelection, {}, Effect::kRecreateWhenChanged},
    {14, "MaxLength", pt::kInteger, 0x8000, &D::maxLength, AtLeast(0), Call(&E::ApplyMaxLength)},
    {15, "MultiLine", pt::kLogical, 0x8000, &D::multiLine, {}, Effect::kRecreateWhenChanged},
    {16, "ScrollBars", pt::kPickList, 0x8000, &D::scrollBars, PickList(4), Effect::kRecreateWhenChanged},
    {17, "Alignment", pt::kPickList, 0x8000, &D::alignment, PickList(3), Effect::kRecreateWhenChanged},
    {18, "InputMode", pt::kPickList, 0x8000, &D::inputMode, PickList(input_mode::kCount), Call(&E::ApplyInputMode)},
    {19, "PasswordChar", pt::kText, 0x8001, &D::passwordChar, {}, Call(&E::ApplyPasswordChar)},
    {20, "LetterCase", pt::kPickList, 0x8000, &D::letterCase, PickList(3), Effect::kRecreateWhenChanged},
    {21, "SpinType", pt::kPickList, 0x8000, &D::spinType, PickList(3), Effect::kRecreateWhenChanged},
    {22, "SpinMinimum", pt::kInteger, 0x8001, &D::spinMinimum, {}, Call(&E::ApplySpinRange)},
    {23, "SpinMaximum", pt::kInteger, 0x8001, &D::spinMaximum, {}, Call(&E::ApplySpinRange)},
    {24, "SelStart", pt::kInteger, 0x8000, &D::selStart, {}, Call(&E::ApplySelStart), &E::ReadSelStart},
    {25, "SelLength", pt::kInteger, 0x8000, &D::selLength, {}, Call(&E::ApplySelLength), &E::ReadSelLength},
    {26, "SelectedText", pt::kText, 0x8008, {}, {}, Call(&E::ApplySelectedText), &E::ReadSelectedText},
    {27, "DataSource", pt::kDataSource, 0x8000, &D::dataSource},
    {28, "DataColumn", pt::kDataColumn, 0x8000, &D::dataColumn},
};

using Operations = UnitOperations<E, kRows>;

void* EditBoxOperations(int32_t number) {
  if (number == unit_interface::kWantsKey) return reinterpret_cast<void*>(static_cast<WantsKeyFn>(&E::WantsKey));
  return Operations::Find(number);
}

}  // namespace

const UnitTypeInfo& EditBoxUnitType() {
  static constexpr UnitTypeInfo kType =
      UnitTypeRecord("编辑框", "EditBox", kEditBoxStateFlags, Operations::kPropertyInfos, EditBoxOperations);
  return kType;
}

}  // namespace vx
