#include "units/progress_bar/progress_bar_unit.h"

#include <commctrl.h>

#include "units/unit_base/value_clamps.h"

namespace vx {

bool ProgressBarUnit::Create(const UnitPlacement& placement) {
  INITCOMMONCONTROLSEX classes = {sizeof classes, ICC_PROGRESS_CLASS};
  InitCommonControlsEx(&classes);
  uint32_t style = (data_.orientation >= 1 ? PBS_VERTICAL : 0) | (data_.smooth >= 1 ? PBS_SMOOTH : 0);
  return CreateControl(PROGRESS_CLASSW, L"", style, 0, placement);
}

void ProgressBarUnit::SetControlRange() {
  ControlRange range = RangeOf(data_.minimum, data_.maximum);
  SendMessageW(handle(), PBM_SETRANGE, 0, MAKELPARAM(range.low, range.high));
}

void ProgressBarUnit::SetControlPosition() {
  SendMessageW(handle(), PBM_SETPOS, RangeOf(data_.minimum, data_.maximum).Clamp(data_.position), 0);
}

// The control would keep a position it clamped to the old range: the stored one is
// shown again, as a re-created control would show it.
int32_t ProgressBarUnit::ApplyRange(ProgressBarUnit& unit, const RawPropertyValue&) {
  unit.SetControlRange();
  unit.SetControlPosition();
  return 0;
}

int32_t ProgressBarUnit::ApplyPosition(ProgressBarUnit& unit, const RawPropertyValue&) {
  unit.SetControlPosition();
  return 0;
}

}  // namespace vx
