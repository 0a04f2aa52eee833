#include "units/button/button_type.h"

#include "units/button/button_unit.h"
#include "units/unit_base/unit_operations.h"

namespace vx {
namespace {

using D = ButtonData;
using B = ButtonUnit;

constexpr uint32_t kButtonStateFlags = unit_state::kOwnsControl | unit_state::kDefaultButton | unit_state::kCoreType;

constexpr PropertyRow<B> kRows[] = {
    // A new picture is shown by a new control.
    {8, "Picture", pt::kPicture, 0x8000, &D::picture, {}, Effect::kRecreate},
    {9, "ButtonType", pt::kPickList, 0x8000, &D::buttonType, PickList(2), Call(&B::ApplyStyle)},
    {10, "Caption", pt::kText, 0x8000, &D::caption, {}, Call(&B::ApplyCaption)},
    {11, "Alignment", pt::kPickList, 0x8000, &D::alignment, PickList(3), Call(&B::ApplyStyle)},
    {12, "VerticalAlignment", pt::kPickList, 0x8000, &D::verticalAlignment, PickList(3), Call(&B::ApplyStyle)},
    {13, "Font", pt::kFont, 0x8000, &D::font, {}, Call(&B::ApplyFont)},
};

using Operations = UnitOperations<B, kRows>;

void* ButtonOperations(int32_t number) {
  if (number == unit_interface::kIsDefaultButton) {
    return reinterpret_cast<void*>(static_cast<IsDefaultButtonFn>(&B::IsDefaultButton));
  }
  return Operations::Find(number);
}

}  // namespace

const UnitTypeInfo& ButtonUnitType() {
  static constexpr UnitTypeInfo kType =
      UnitTypeRecord("按钮", "Button", kButtonStateFlags, Operations::kPropertyInfos, ButtonOperations);
  return kType;
}

}  // namespace vx
