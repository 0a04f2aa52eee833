#include "units/slider_bar/slider_bar_type.h"

#include "units/slider_bar/slider_bar_unit.h"
#include "units/unit_base/unit_operations.h"
#include "units/unit_base/value_clamps.h"

namespace vx {
namespace {

using D = SliderBarData;
using S = SliderBarUnit;
namespace P = slider_bar_property;

constexpr uint32_t kSliderBarStateFlags = unit_state::kOwnsControl | unit_state::kCoreType;
constexpr Clamp kStep = Range(1, kRangeMaximum);

constexpr PropertyRow<S> kRows[] = {
    {P::kBorder, "Border", pt::kPickList, kPlain, &D::border, PickList(6), Effect::kBorder},
    {P::kOrientation, "Orientation", pt::kPickList, kPlain, &D::orientation, PickList(2), Effect::kRecreateWhenChanged},
    {P::kTickPosition, "TickPosition", pt::kPickList, kPlain, &D::tickPosition, PickList(4),
     Effect::kRecreateWhenChanged},
    {P::kTickFrequency, "TickFrequency", pt::kInteger, kQualifier, &D::tickFrequency, kRangeValue,
     Call(&S::ApplySteps)},
    {P::kSelectionEnabled,
     "SelectionEnabled",
     pt::kLogical,
     kPlain,
     &D::selectionEnabled,
     {},
     Effect::kRecreateWhenChanged},
    {P::kSelectionStart, "SelectionStart", pt::kInteger, kQualifier, &D::selectionStart, kRangeValue,
     Call(&S::ApplySelection), &S::ReadSelectionStart},
    {P::kSelectionLength, "SelectionLength", pt::kInteger, kQualifier, &D::selectionLength, kRangeValue,
     Call(&S::ApplySelection), &S::ReadSelectionLength},
    {P::kPageSize, "PageSize", pt::kInteger, kPlain, &D::pageSize, kStep, Call(&S::ApplySteps)},
    {P::kLineSize, "LineSize", pt::kInteger, kPlain, &D::lineSize, kStep, Call(&S::ApplySteps)},
    {P::kMinimum, "Minimum", pt::kInteger, kPlain, &D::minimum, kRangeValue, Call(&S::ApplyRange)},
    {P::kMaximum, "Maximum", pt::kInteger, kPlain, &D::maximum, kRangeValue, Call(&S::ApplyRange)},
    {P::kPosition, "Position", pt::kInteger, kPlain, &D::position, kRangeValue, Call(&S::ApplyPosition)},
};

}  // namespace

const UnitTypeInfo& SliderBarUnitType() {
  static constexpr UnitTypeInfo kType = UnitTypeOf<S, kRows>({"滑块条", "SliderBar"}, kSliderBarStateFlags);
  return kType;
}

}  // namespace vx
