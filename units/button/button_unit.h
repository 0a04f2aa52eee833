// The button unit: a system push button that raises Click (event 0) when it
// reports BN_CLICKED, and GotFocus/LostFocus.
#pragma once

#include <windows.h>

#include "contract/unit_type.h"
#include "units/button/button_data.h"
#include "units/unit_base/data_unit.h"
#include "units/unit_base/unit_font.h"

namespace vx {

constexpr int32_t kButtonClickEvent = 0;

class ButtonUnit : public DataUnit<ButtonData> {
 public:
  using DataUnit::DataUnit;

  // Makes the control from the styles and the caption; the type's rows do the
  // rest. False when it cannot be made.
  bool Create(const UnitPlacement& placement);
  UnitFont& font() { return font_; }

  // The kind and alignment in place (the type's rows call it for each of them).
  static int32_t ApplyStyle(ButtonUnit& unit, const RawPropertyValue& value);

  // IsDefaultButton: non-zero while the control has the default push-button style.
  static int32_t IsDefaultButton(UnitInstance instance);

 protected:
  bool OnReflectedMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

 private:
  UnitFont font_;
};

}  // namespace vx
