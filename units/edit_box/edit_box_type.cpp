#include "units/edit_box/edit_box_type.h"

#include "units/edit_box/edit_box_input.h"
#include "units/edit_box/edit_box_unit.h"
#include "units/unit_base/border_style.h"
#include "units/unit_base/unit_operations.h"

namespace vx {
namespace {

using D = EditBoxData;
using E = EditBoxUnit;
namespace P = edit_box_property;
constexpr auto kRunningOnly = property_flag::kRunningOnly;

constexpr PropertyRow<E> kRows[] = {
    {P::kContent, "Content", pt::kText, kPlain, &D::content, {}, InPlace(&E::ApplyContent), &E::ReadContent},
    {P::kBorder,
     "Border",
     pt::kPickList,
     kPlain,
     &D::border,
     PickList(border_style::kCount),
     {Effect::kBorder, &E::ApplySpinEdge}},
    {P::kTextColour, "TextColour", pt::kColour, kPlain, &D::textColour, {}, Effect::kRepaint},
    {P::kBackColour, "BackColour", pt::kBackgroundColour, kPlain, &D::backColour, {}, Effect::kBackBrush},
    {P::kFont, "Font", pt::kFont, kPlain, &D::font, {}, {Effect::kFont, &E::FitFont}},
    {P::kHideSelection, "HideSelection", pt::kLogical, kPlain, &D::hideSelection, {}, Effect::kRecreateWhenChanged},
    {P::kMaxLength, "MaxLength", pt::kInteger, kPlain, &D::maxLength, AtLeast(0), Call(&E::ApplyMaxLength)},
    {P::kMultiLine, "MultiLine", pt::kLogical, kPlain, &D::multiLine, {}, Effect::kRecreateWhenChanged},
    {P::kScrollBars, "ScrollBars", pt::kPickList, kPlain, &D::scrollBars, PickList(4), Effect::kRecreateWhenChanged},
    {P::kAlignment, "Alignment", pt::kPickList, kPlain, &D::alignment, PickList(3), Effect::kRecreateWhenChanged},
    {P::kInputMode, "InputMode", pt::kPickList, kPlain, &D::inputMode, PickList(input_mode::kCount),
     Call(&E::ApplyInputMode)},
    {P::kPasswordChar, "PasswordChar", pt::kText, kQualifier, &D::passwordChar, {}, Call(&E::ApplyPasswordChar)},
    {P::kLetterCase, "LetterCase", pt::kPickList, kPlain, &D::letterCase, PickList(3), Effect::kRecreateWhenChanged},
    {P::kSpinType, "SpinType", pt::kPickList, kPlain, &D::spinType, PickList(3), Effect::kRecreateWhenChanged},
    {P::kSpinMinimum, "SpinMinimum", pt::kInteger, kQualifier, &D::spinMinimum, {}, Call(&E::ApplySpinRange)},
    {P::kSpinMaximum, "SpinMaximum", pt::kInteger, kQualifier, &D::spinMaximum, {}, Call(&E::ApplySpinRange)},
    {P::kSelStart, "SelStart", pt::kInteger, kPlain, &D::selStart, {}, Call(&E::ApplySelStart), &E::ReadSelStart},
    {P::kSelLength, "SelLength", pt::kInteger, kPlain, &D::selLength, {}, Call(&E::ApplySelLength), &E::ReadSelLength},
    {P::kSelectedText,
     "SelectedText",
     pt::kText,
     kRunningOnly,
     {},
     {},
     InPlace(&E::ApplySelectedText),
     &E::ReadSelectedText},
    {P::kDataSource, "DataSource", pt::kDataSource, kPlain, &D::dataSource},
    {P::kDataColumn, "DataColumn", pt::kDataColumn, kPlain, &D::dataColumn},
};

}  // namespace

const UnitTypeInfo& EditBoxUnitType() {
  static constexpr UnitTypeInfo kType =
      UnitTypeOf<E, kRows>({"编辑框", "EditBox"}, unit_state::kOwnsControl | unit_state::kCoreType);
  return kType;
}

}  // namespace vx
