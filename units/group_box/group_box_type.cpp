#include "units/group_box/group_box_type.h"

#include "units/group_box/group_box_unit.h"
#include "units/unit_base/unit_operations.h"

namespace vx {
namespace {

using D = GroupBoxData;
using G = GroupBoxUnit;

constexpr uint32_t kGroupBoxStateFlags = unit_state::kOwnsControl | unit_state::kContainer |
                                         unit_state::kMnemonicEntersGroup | unit_state::kNoNavigationFocus |
                                         unit_state::kDragsWindow | unit_state::kCoreType;

constexpr PropertyRow<G> kRows[] = {
    {8, "Caption", pt::kText, 0x8000, &D::caption, {}, Call(&G::ApplyCaption)},
    {9, "Alignment", pt::kPickList, 0x8000, &D::alignment, PickList(3), Call(&G::ApplyAlignment)},
    {10, "TextColour", pt::kColour, 0x8000, &D::textColour, {}, Effect::kRepaint},
    {11, "BackColour", pt::kBackgroundColour, 0x8000, &D::backColour, {}, Call(&G::ApplyBackColour)},
    {12, "Font", pt::kFont, 0x8000, &D::font, {}, Call(&G::ApplyFont)},
};

using Operations = UnitOperations<G, kRows>;

void* GroupBoxOperations(int32_t number) { return Operations::Find(number); }

}  // namespace

const UnitTypeInfo& GroupBoxUnitType() {
  static constexpr UnitTypeInfo kType =
      UnitTypeRecord("分组框", "GroupBox", kGroupBoxStateFlags, Operations::kPropertyInfos, GroupBoxOperations);
  return kType;
}

}  // namespace vx
