#include "units/unit_base/border_style.h"

#include "units/unit_base/value_clamps.h"

namespace vx {

BorderBits BorderStyleBits(int32_t borderStyle) {
  switch (PickList(border_style::kCount)(borderStyle)) {
    case border_style::kSunken:
      return {0, window_style::kExClientEdge};
    case border_style::kRaised:
      return {0, window_style::kExDlgModalFrame};
    case border_style::kThinSunken:
      return {0, window_style::kExStaticEdge};
    case border_style::kMirror:
      return {0, window_style::kExClientEdge | window_style::kExDlgModalFrame};
    case border_style::kSingleLine:
      return {window_style::kBorder, 0};
    default:
      return {0, 0};
  }
}

}  // namespace vx
