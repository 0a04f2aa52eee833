// The BUTTON styles a button's properties stand for. Pure: no platform headers.
#pragma once

#include <cstdint>

#include "units/button/button_data.h"
#include "units/unit_base/button_alignment.h"

namespace vx {

// The bits the button's properties own; the others (WS_*) stay as they are.
constexpr uint32_t kButtonPropertyStyleMask = button_style::kTypeMask | button_style::kAlignmentMask;

// Multi-line always; default push button for ButtonType 1; both alignments.
constexpr uint32_t ButtonStyle(const ButtonData& data) {
  return button_style::kMultiLine | (data.buttonType == 1 ? button_style::kDefPushButton : button_style::kPushButton) |
         HorizontalAlignmentBits(data.alignment) | VerticalAlignmentBits(data.verticalAlignment);
}

}  // namespace vx
