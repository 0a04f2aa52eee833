#include "units/progress_bar/progress_bar_type.h"

#include "units/progress_bar/progress_bar_unit.h"
#include "units/unit_base/unit_operations.h"
#include "units/unit_base/value_clamps.h"

namespace vx {
namespace {

using D = ProgressBarData;
using P = ProgressBarUnit;

constexpr uint32_t kProgressBarStateFlags =
    unit_state::kOwnsControl | unit_state::kNoNavigationFocus | unit_state::kDragsWindow | unit_state::kCoreType;

constexpr PropertyRow<P> kRows[] = {
    {8, "Border", pt::kPickList, 0x8000, &D::border, PickList(6), Call(&P::ApplyBorder)},
    {9, "Orientation", pt::kPickList, 0x8000, &D::orientation, PickList(2), Effect::kRecreateWhenChanged},
    {10, "Smooth", pt::kPickList, 0x8000, &D::smooth, PickList(2), Effect::kRecreateWhenChanged},
    {11, "Minimum", pt::kInteger, 0x8000, &D::minimum, kRangeValue, Call(&P::ApplyRange)},
    {12, "Maximum", pt::kInteger, 0x8000, &D::maximum, kRangeValue, Call(&P::ApplyRange)},
    {13, "Position", pt::kInteger, 0x8000, &D::position, kRangeValue, Call(&P::ApplyPosition)},
};

using Operations = UnitOperations<P, kRows>;

// The bar holds no texts: it offers no WalkTexts.
void* ProgressBarOperations(int32_t number) {
  return number == unit_interface::kWalkTexts ? nullptr : Operations::Find(number);
}

}  // namespace

const UnitTypeInfo& ProgressBarUnitType() {
  static constexpr UnitTypeInfo kType =
      UnitTypeRecord("进度条", "ProcessBar", kProgressBarStateFlags, Operations::kPropertyInfos, ProgressBarOperations);
  return kType;
}

}  // namespace vx
