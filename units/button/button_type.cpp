#include "units/button/button_type.h"

#include "units/button/button_unit.h"
#include "units/unit_base/unit_operations.h"

namespace vx {
namespace {

using D = ButtonData;
using B = ButtonUnit;

namespace P = button_property;

constexpr PropertyRow<B> kRows[] = {
    // A new picture is shown by a new control.
    {P::kPicture, "Picture", pt::kPicture, kPlain, &D::picture, {}, Effect::kRecreate},
    {P::kButtonType, "ButtonType", pt::kPickList, kPlain, &D::buttonType, PickList(2), InPlace(&B::ApplyStyle)},
    {P::kCaption, "Caption", pt::kText, kPlain, &D::caption, {}, Effect::kWindowText},
    {P::kAlignment, "Alignment", pt::kPickList, kPlain, &D::alignment, PickList(3), InPlace(&B::ApplyStyle)},
    {P::kVerticalAlignment, "VerticalAlignment", pt::kPickList, kPlain, &D::verticalAlignment, PickList(3),
     InPlace(&B::ApplyStyle)},
    {P::kFont, "Font", pt::kFont, kPlain, &D::font, {}, Effect::kFont},
};

}  // namespace

const UnitTypeInfo& ButtonUnitType() {
  static constexpr UnitTypeInfo kType = UnitTypeOf<B, kRows>(
      {"按钮", "Button"}, unit_state::kOwnsControl | unit_state::kDefaultButton | unit_state::kCoreType);
  return kType;
}

}  // namespace vx
