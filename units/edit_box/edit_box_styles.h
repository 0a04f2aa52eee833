// The edit box's control styles as its properties ask for them. Pure arithmetic:
// no platform headers.
#pragma once

#include <cstdint>

#include "units/edit_box/edit_box_data.h"

namespace vx {

// The EDIT control's own style bits.
namespace edit_style {
constexpr uint32_t kCentre = 0x0001;
constexpr uint32_t kRight = 0x0002;
constexpr uint32_t kMultiLine = 0x0004;
constexpr uint32_t kUpperCase = 0x0008;
constexpr uint32_t kLowerCase = 0x0010;
constexpr uint32_t kPassword = 0x0020;
constexpr uint32_t kAutoVScroll = 0x0040;
constexpr uint32_t kAutoHScroll = 0x0080;
constexpr uint32_t kNoHideSelection = 0x0100;
constexpr uint32_t kReadOnly = 0x0800;
constexpr uint32_t kWantReturn = 0x1000;
}  // namespace edit_style

// The style the control is created with (before the loader's visibility, disabled
// and tab-stop bits): multi-line boxes wrap their lines unless they have a
// horizontal scroll bar; single-line boxes scroll sideways.
uint32_t EditBoxStyle(const EditBoxData& data);

}  // namespace vx
