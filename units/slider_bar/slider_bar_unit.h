// The slider bar: a unit over the system "msctls_trackbar32" control. The user
// moves its thumb; every move the control reports, except the closing
// TB_ENDTRACK, stores the thumb's position and raises PositionChanged.
#pragma once

#include <windows.h>

#include <cstdint>

#include "contract/unit_type.h"
#include "units/slider_bar/slider_bar_data.h"
#include "units/unit_base/data_unit.h"

namespace vx {

namespace slider_event {
constexpr int32_t kPositionChanged = 0;
}  // namespace slider_event

class SliderBarUnit : public DataUnit<SliderBarData> {
 public:
  using DataUnit::DataUnit;

  // Makes the control with its styles; the type's rows do the rest.
  bool Create(const UnitPlacement& placement);

  // Range, position, steps and selection into the control (the type's rows call
  // these); each fits what depends on it again, as a new control would show it.
  static int32_t ApplyRange(SliderBarUnit& unit, const RawPropertyValue& value);
  static int32_t ApplyPosition(SliderBarUnit& unit, const RawPropertyValue& value);
  static int32_t ApplySteps(SliderBarUnit& unit, const RawPropertyValue& value);
  static int32_t ApplySelection(SliderBarUnit& unit, const RawPropertyValue& value);
  // The selection as the control holds it while it shows one, else as stored.
  static bool ReadSelectionStart(SliderBarUnit& unit, RawPropertyValue& value);
  static bool ReadSelectionLength(SliderBarUnit& unit, RawPropertyValue& value);

 protected:
  bool OnReflectedMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

 private:
  void SetControlRange();
  void SetControlPosition();
  // Line size, page size and tick distance, each within 1..span.
  void SetControlSteps();
  void SetControlSelection();
};

}  // namespace vx
