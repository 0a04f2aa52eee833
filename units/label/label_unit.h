// The label unit: a window of the runtime's class "_VX_Label" that paints its
// caption itself and raises Feedback (event 0) for the private message 0x8075,
// through which the speech unit reports to the program. It takes no focus.
#pragma once

#include <windows.h>

#include "contract/unit_type.h"
#include "units/label/label_data.h"
#include "units/unit_base/data_unit.h"
#include "units/unit_base/unit_font.h"

namespace vx {

// Any code in the process may send it; wParam and lParam become the event's two
// arguments, and the handler's answer the message's result (0 without one).
constexpr UINT kLabelFeedbackMessage = 0x8075;
constexpr int32_t kLabelFeedbackEvent = 0;

class LabelUnit : public DataUnit<LabelData> {
 public:
  using DataUnit::DataUnit;

  // Makes the window with the caption; the type's rows do the rest. False when it
  // cannot be made.
  bool Create(const UnitPlacement& placement);
  UnitFont& font() { return font_; }

  // The shared border styles, or none for the painted gradient frame.
  static int32_t ApplyBorder(LabelUnit& unit, const RawPropertyValue& value);

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void Paint(HDC dc, const RECT& update);
  LRESULT RaiseFeedback(WPARAM wParam, LPARAM lParam);

  UnitFont font_;
};

}  // namespace vx
