#include "units/unit_base/border_style.h"

#include "units/unit_base/value_clamps.h"

namespace vx {

BorderBits BorderStyleBits(int32_t borderStyle) {
  switch (ClampPickList(borderStyle, border_style::kCount)) {
    case border_style::kSunken: return {0, kExStyleClientEdge};
    case border_style::kRaised: return {0, kExStyleDlgModalFrame};
    case border_style::kThinSunken: return {0, kExStyleStaticEdge};
    case border_style::kMirror: return {0, kExStyleClientEdge | kExStyleDlgModalFrame};
    case border_style::kSingleLine: return {kStyleBorder, 0};
    default: return {0, 0};
  }
}

}  // namespace vx
