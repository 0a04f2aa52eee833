// The colours of the three look styles, and the colours every style shares.
#pragma once

#include <array>
#include <cstdint>

#include "commands/control_look/look_colour.h"

namespace vx::look {

// The push button's gradient sets, by number: rims (the band round the centre)
// by state, then the two centres.
enum ButtonSet {
  kPressedRim = 0,
  kHotRim = 1,
  kCheckedRim = 2,
  kFocusedRim = 3,  // also a default push button's
  kNormalRim = 4,
  kPressedCentre = 5,  // also checked and indeterminate
  kNormalCentre = 6,
  kButtonSetCount
};

// The inside of a check box or radio button by state.
struct MarkSets {
  Corners pressed, hot, normal;
};

// An arrow button (a combo box's drop-down button, an up-down half): a gradient
// face with a second gradient one pixel further in.
struct ArrowFace {
  Corners edge, face;
};
struct ArrowSets {
  ArrowFace disabled, pressed, hot, normal;
};

struct LookPalette {
  Rgb frame;        // edit and combo box frames, the up-down's background
  Rgb buttonFrame;  // the push button's frame
  std::array<Corners, kButtonSetCount> button;
  MarkSets checkBox;
  MarkSets radioButton;
  ArrowSets arrowButton;
  Rgb glyph;  // arrows and chevrons
};

// Look style 1, 2 or 3; any other style is given style 3's colours.
const LookPalette& PaletteOf(int style);

// Colours every style shares.
namespace shared {
constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kDisabledButtonFill{245, 244, 234};
constexpr Rgb kDimText{165, 162, 148};  // disabled or indeterminate push buttons
constexpr Rgb kMarkFrame{24, 81, 132};  // check box and radio button frames
constexpr Rgb kTick{33, 162, 33};
constexpr Rgb kDisabledTick{206, 203, 189};
constexpr Rgb kIndeterminatePressed{24, 138, 24};
constexpr Rgb kIndeterminateHot{33, 162, 33};
constexpr Rgb kIndeterminate{115, 195, 115};
constexpr Rgb kHotChecked{247, 247, 247};
constexpr Rgb kHotUnchecked{231, 231, 231};
constexpr Rgb kGroupFrame{191, 184, 191};
constexpr Rgb kDisabledGlyph{206, 203, 198};
}  // namespace shared

// Frames of disabled controls are the button face darkened by this much; the
// push button's corner pixels are its frame darkened.
constexpr uint32_t kDisabledDarkening = 0x202020;
constexpr uint32_t kCornerDarkening = 0x151515;
constexpr uint32_t kDisabledCornerDarkening = 0x111111;

}  // namespace vx::look
