#include "units/group_box/group_box_type.h"

#include "units/group_box/group_box_unit.h"
#include "units/unit_base/unit_operations.h"

namespace vx {
namespace {

using D = GroupBoxData;
using G = GroupBoxUnit;
namespace P = group_box_property;

constexpr uint32_t kGroupBoxStateFlags = unit_state::kOwnsControl | unit_state::kContainer |
                                         unit_state::kMnemonicEntersGroup | unit_state::kNoNavigationFocus |
                                         unit_state::kDragsWindow | unit_state::kCoreType;

constexpr PropertyRow<G> kRows[] = {
    {P::kCaption, "Caption", pt::kText, kPlain, &D::caption, {}, {Effect::kWindowText, &G::RepaintWhole}},
    {P::kAlignment, "Alignment", pt::kPickList, kPlain, &D::alignment, PickList(3), InPlace(&G::ApplyAlignment)},
    {P::kTextColour, "TextColour", pt::kColour, kPlain, &D::textColour, {}, Effect::kRepaint},
    {P::kBackColour, "BackColour", pt::kBackgroundColour, kPlain, &D::backColour, {}, Effect::kBackBrush},
    {P::kFont, "Font", pt::kFont, kPlain, &D::font, {}, Effect::kFont},
};

}  // namespace

const UnitTypeInfo& GroupBoxUnitType() {
  static constexpr UnitTypeInfo kType = UnitTypeOf<G, kRows>({"分组框", "GroupBox"}, kGroupBoxStateFlags);
  return kType;
}

}  // namespace vx
