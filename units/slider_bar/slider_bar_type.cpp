#include "units/slider_bar/slider_bar_type.h"

#include "units/slider_bar/slider_bar_unit.h"
#include "units/unit_base/unit_operations.h"
#include "units/unit_base/value_clamps.h"

namespace vx {
namespace {

using D = SliderBarData;
using S = SliderBarUnit;

constexpr uint32_t kSliderBarStateFlags = unit_state::kOwnsControl | unit_state::kCoreType;
constexpr Clamp kStep = Range(1, kRangeMaximum);

constexpr PropertyRow<S> kRows[] = {
    {8, "Border", pt::kPickList, 0x8000, &D::border, PickList(6), Call(&S::ApplyBorder)},
    {9, "Orientation", pt::kPickList, 0x8000, &D::orientation, PickList(2), Effect::kRecreateWhenChanged},
    {10, "TickPosition", pt::kPickList, 0x8000, &D::tickPosition, PickList(4), Effect::kRecreateWhenChanged},
    {11, "TickFrequency", pt::kInteger, 0x8001, &D::tickFrequency, kRangeValue, Call(&S::ApplySteps)},
    {12, "SelectionEnabled", pt::kLogical, 0x8000, &D::selectionEnabled, {}, Effect::kRecreateWhenChanged},
    {13, "SelectionStart", pt::kInteger, 0x8001, &D::selectionStart, kRangeValue, Call(&S::ApplySelection),
     &S::ReadSelectionStart},
    {14, "SelectionLength", pt::kInteger, 0x8001, &D::selectionLength, kRangeValue, Call(&S::ApplySelection),
     &S::ReadSelectionLength},
    {15, "PageSize", pt::kInteger, 0x8000, &D::pageSize, kStep, Call(&S::ApplySteps)},
    {16, "LineSize", pt::kInteger, 0x8000, &D::lineSize, kStep, Call(&S::ApplySteps)},
    {17, "Minimum", pt::kInteger, 0x8000, &D::minimum, kRangeValue, Call(&S::ApplyRange)},
    {18, "Maximum", pt::kInteger, 0x8000, &D::maximum, kRangeValue, Call(&S::ApplyRange)},
    {19, "Position", pt::kInteger, 0x8000, &D::position, kRangeValue, Call(&S::ApplyPosition)},
};

using Operations = UnitOperations<S, kRows>;

// The bar holds no texts: it offers no WalkTexts.
void* SliderBarOperations(int32_t number) {
  return number == unit_interface::kWalkTexts ? nullptr : Operations::Find(number);
}

}  // namespace

const UnitTypeInfo& SliderBarUnitType() {
  static constexpr UnitTypeInfo kType =
      UnitTypeRecord("滑块条", "SliderBar", kSliderBarStateFlags, Operations::kPropertyInfos, SliderBarOperations);
  return kType;
}

}  // namespace vx
