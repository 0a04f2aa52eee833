// Caption alignment of the system BUTTON class, which the button and the group
// box share: the horizontal and vertical bits of their Alignment properties.
// Pure style arithmetic: no platform headers.
#pragma once

#include <cstdint>

namespace vx {

namespace button_style {
constexpr uint32_t kPushButton = 0x0;
constexpr uint32_t kDefPushButton = 0x1;
constexpr uint32_t kGroupBox = 0x7;
constexpr uint32_t kTypeMask = 0xF;
constexpr uint32_t kLeft = 0x100;
constexpr uint32_t kRight = 0x200;
constexpr uint32_t kCentre = 0x300;
constexpr uint32_t kTop = 0x400;
constexpr uint32_t kBottom = 0x800;
constexpr uint32_t kVerticalCentre = 0xC00;
constexpr uint32_t kMultiLine = 0x2000;
constexpr uint32_t kAlignmentMask = kCentre | kVerticalCentre;
}  // namespace button_style

// 0 left, 1 centre, 2 right; values outside take the nearest end.
constexpr uint32_t HorizontalAlignmentBits(int32_t alignment) {
  if (alignment <= 0) return button_style::kLeft;
  return alignment == 1 ? button_style::kCentre : button_style::kRight;
}

// 0 top, 1 centre, 2 bottom; values outside take the nearest end.
constexpr uint32_t VerticalAlignmentBits(int32_t alignment) {
  if (alignment <= 0) return button_style::kTop;
  return alignment == 1 ? button_style::kVerticalCentre : button_style::kBottom;
}

}  // namespace vx
