// The progress bar: a unit over the system "msctls_progress32" control that shows
// a position within a range. It raises no events of its own.
#pragma once

#include <cstdint>

#include "contract/unit_type.h"
#include "units/progress_bar/progress_bar_data.h"
#include "units/unit_base/data_unit.h"

namespace vx {

class ProgressBarUnit : public DataUnit<ProgressBarData> {
 public:
  using DataUnit::DataUnit;

  // Makes the control with its styles; the type's rows do the rest.
  bool Create(const UnitPlacement& placement);

  // Range and position into the control (the type's rows call these).
  static int32_t ApplyRange(ProgressBarUnit& unit, const RawPropertyValue& value);
  static int32_t ApplyPosition(ProgressBarUnit& unit, const RawPropertyValue& value);

 private:
  void SetControlRange();
  // The stored position, clamped into the control's range; the stored value itself
  // stays as written.
  void SetControlPosition();
};

}  // namespace vx
