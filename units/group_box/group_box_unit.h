// The group box unit: a captioned BUTTON frame (BS_GROUPBOX) that holds other
// units. It paints its client area with its BackColour brush and answers its own
// colour requests; as every unit window, it hands its child units' notifications,
// colour, owner-draw and scroll messages back to them.
#pragma once

#include <windows.h>

#include "contract/unit_type.h"
#include "units/group_box/group_box_data.h"
#include "units/unit_base/background_colour.h"
#include "units/unit_base/data_unit.h"
#include "units/unit_base/unit_font.h"

namespace vx {

class GroupBoxUnit : public DataUnit<GroupBoxData> {
 public:
  using DataUnit::DataUnit;

  // Makes the control from the styles and the caption; the type's rows do the
  // rest. False when it cannot be made.
  bool Create(const UnitPlacement& placement);
  UnitFont& font() { return font_; }
  UnitBrush& brush() { return brush_; }

  // After a new caption: the whole box again, since the old one may have been longer.
  static int32_t RepaintWhole(GroupBoxUnit& unit, const RawPropertyValue& value);
  static int32_t ApplyAlignment(GroupBoxUnit& unit, const RawPropertyValue& value);

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  bool OnReflectedMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

 private:
  UnitBrush brush_;
  UnitFont font_;
};

}  // namespace vx
