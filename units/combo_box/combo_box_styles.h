// The combo box's window styles and the rules tied to its kind: the height of the
// drop-down styles and the background colour a change of kind brings. Pure: these
// are also built where windows.h is not available.
#pragma once

#include <cstdint>

#include "units/combo_box/combo_box_data.h"

namespace vx {

namespace combo_type {
constexpr int32_t kSimple = 0;
constexpr int32_t kDropDown = 1;
constexpr int32_t kDropDownList = 2;
constexpr int32_t kCount = 3;
}  // namespace combo_type

// The height given to a drop-down control includes its dropped list.
constexpr int32_t kMinimumDropHeight = 160;

// The control's styles: its kind (CBS_SIMPLE, CBS_DROPDOWN, CBS_DROPDOWNLIST),
// CBS_SORT when sorted, CBS_AUTOHSCROLL and WS_VSCROLL.
uint32_t ComboStyle(const ComboBoxData& data);
// The kind a style holds (the reverse of ComboStyle's kind bits).
int32_t ComboTypeOfStyle(uint32_t style);
// The height passed to the control: at least 160 for the drop-down kinds.
int32_t ComboControlHeight(int32_t comboType, int32_t height);
// A drop-down kind shows a white field where the simple kind shows the system
// colour: switching kinds swaps the two, any other colour stays.
uint32_t BackColourForType(int32_t comboType, uint32_t backColour);

}  // namespace vx
