#include "units/unit_base/apply_border_style.h"

#include "units/unit_base/border_style.h"

namespace vx {

void ApplyBorderStyle(HWND control, int32_t borderStyle) {
  BorderBits bits = BorderStyleBits(borderStyle);
  LONG_PTR style = GetWindowLongPtrW(control, GWL_STYLE);
  LONG_PTR exStyle = GetWindowLongPtrW(control, GWL_EXSTYLE);
  style = (style & ~static_cast<LONG_PTR>(kBorderStyleMask)) | bits.style;
  exStyle = (exStyle & ~static_cast<LONG_PTR>(kBorderExStyleMask)) | bits.exStyle;
  SetWindowLongPtrW(control, GWL_STYLE, style);
  SetWindowLongPtrW(control, GWL_EXSTYLE, exStyle);
  SetWindowPos(control, nullptr, 0, 0, 0, 0,
               SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

}  // namespace vx
