#include "units/unit_base/background_colour.h"

namespace vx {

COLORREF PaintColour(uint32_t colour) {
  return colour == kButtonFaceColour ? GetSysColor(COLOR_BTNFACE) : static_cast<COLORREF>(colour);
}

UnitBrush::~UnitBrush() {
  if (brush_) DeleteObject(brush_);
}

HBRUSH UnitBrush::Make(uint32_t colour) {
  if (brush_) DeleteObject(brush_);
  brush_ = CreateSolidBrush(PaintColour(colour));
  return brush_;
}

}  // namespace vx
