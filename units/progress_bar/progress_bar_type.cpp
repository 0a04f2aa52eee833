#include "units/progress_bar/progress_bar_type.h"

#include "units/progress_bar/progress_bar_unit.h"
#include "units/unit_base/unit_operations.h"
#include "units/unit_base/value_clamps.h"

namespace vx {
namespace {

using D = ProgressBarData;
using U = ProgressBarUnit;
namespace P = progress_bar_property;

constexpr uint32_t kProgressBarStateFlags =
    unit_state::kOwnsControl | unit_state::kNoNavigationFocus | unit_state::kDragsWindow | unit_state::kCoreType;

constexpr PropertyRow<U> kRows[] = {
    {P::kBorder, "Border", pt::kPickList, kPlain, &D::border, PickList(6), Effect::kBorder},
    {P::kOrientation, "Orientation", pt::kPickList, kPlain, &D::orientation, PickList(2), Effect::kRecreateWhenChanged},
    {P::kSmooth, "Smooth", pt::kPickList, kPlain, &D::smooth, PickList(2), Effect::kRecreateWhenChanged},
    {P::kMinimum, "Minimum", pt::kInteger, kPlain, &D::minimum, kRangeValue, Call(&U::ApplyRange)},
    {P::kMaximum, "Maximum", pt::kInteger, kPlain, &D::maximum, kRangeValue, Call(&U::ApplyRange)},
    {P::kPosition, "Position", pt::kInteger, kPlain, &D::position, kRangeValue, Call(&U::ApplyPosition)},
};

}  // namespace

const UnitTypeInfo& ProgressBarUnitType() {
  static constexpr UnitTypeInfo kType = UnitTypeOf<U, kRows>({"进度条", "ProcessBar"}, kProgressBarStateFlags);
  return kType;
}

}  // namespace vx
