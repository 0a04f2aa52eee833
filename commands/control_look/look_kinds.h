// The kinds of window the look takes over and the state flags it keeps for each.
#pragma once

#include <cstdint>

namespace vx::look {

enum class LookKind : uint8_t {
  kPushButton = 0,  // also default push buttons and push-like check boxes and radio buttons
  kCheckBox = 1,
  kRadioButton = 2,
  kEdit = 3,
  kComboBox = 4,  // drop-down and drop-down-list combo boxes
  kUpDown = 5,
  kGroupBox = 11,
  kDropDownList = 12,  // a combo box's "ComboLBox"
};

// State flags. Some bits mean different things for different kinds.
namespace flag {
constexpr uint32_t kDisabled = 0x1;
constexpr uint32_t kPressed = 0x2;
constexpr uint32_t kHot = 0x4;  // the mouse is over the control
constexpr uint32_t kFocused = 0x10;
constexpr uint32_t kHorizontal = 0x20;        // up-down
constexpr uint32_t kDefault = 0x10000;        // buttons: a default push button
constexpr uint32_t kFirstHalf = 0x10000;      // up-down: the mouse is over the upper or left half
constexpr uint32_t kUpDownOnLeft = 0x10000;   // edit box: an up-down is joined on its left
constexpr uint32_t kChecked = 0x20000;        // buttons
constexpr uint32_t kUpDownOnRight = 0x20000;  // edit box: an up-down is joined on its right
constexpr uint32_t kIndeterminate = 0x40000;  // buttons: check state 2
constexpr uint32_t kLeftOfBuddy = 0x100000;   // up-down joined to its buddy edit box, on its left
constexpr uint32_t kRightOfBuddy = 0x200000;  // ... on its right
constexpr uint32_t kReadOnly = 0x10000000;    // edit box, as it was at take-over
}  // namespace flag

}  // namespace vx::look
