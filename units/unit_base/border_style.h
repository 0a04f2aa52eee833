// The border property that edit boxes, labels, progress bars and slider bars
// share: values 0..5 and the window style bits each one stands for.
#pragma once

#include <cstdint>

#include "units/unit_base/style_bits.h"

namespace vx {

namespace border_style {
constexpr int32_t kNone = 0;
constexpr int32_t kSunken = 1;
constexpr int32_t kRaised = 2;
constexpr int32_t kThinSunken = 3;
constexpr int32_t kMirror = 4;
constexpr int32_t kSingleLine = 5;
constexpr int32_t kCount = 6;
}  // namespace border_style

// The bits a border style owns; they are cleared before the style's own are set.
constexpr uint32_t kBorderStyleMask = window_style::kBorder;
constexpr uint32_t kBorderExStyleMask =
    window_style::kExDlgModalFrame | window_style::kExClientEdge | window_style::kExStaticEdge;

struct BorderBits {
  uint32_t style;
  uint32_t exStyle;
};

// The bits of a border style, the value clamped to 0..5 first.
BorderBits BorderStyleBits(int32_t borderStyle);

}  // namespace vx
