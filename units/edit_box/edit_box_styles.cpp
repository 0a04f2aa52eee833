#include "units/edit_box/edit_box_styles.h"

#include "units/edit_box/edit_box_input.h"
#include "units/unit_base/style_bits.h"

namespace vx {

uint32_t EditBoxStyle(const EditBoxData& data) {
  using namespace edit_style;
  uint32_t style = window_style::kChild | window_style::kClipSiblings;
  if (!data.hideSelection) style |= kNoHideSelection;
  if (data.multiLine) {
    style |= kMultiLine | kAutoVScroll | kWantReturn;
    bool horizontal = data.scrollBars == 1 || data.scrollBars == 3;
    bool vertical = data.scrollBars == 2 || data.scrollBars == 3;
    if (horizontal) style |= kAutoHScroll | window_style::kHScroll;
    if (vertical) style |= window_style::kVScroll;
  } else {
    style |= kAutoHScroll;
  }
  if (data.alignment == 1) style |= kCentre;
  if (data.alignment == 2) style |= kRight;
  if (data.inputMode == input_mode::kReadOnly) style |= kReadOnly;
  if (data.inputMode == input_mode::kPassword) style |= kPassword;
  if (data.letterCase == 1) style |= kLowerCase;
  if (data.letterCase == 2) style |= kUpperCase;
  return style;
}

}  // namespace vx
