// The two frames of edit boxes, combo boxes, drop-down lists and joined up-downs:
// the style's frame colour outside, the inside's colour within.
#pragma once

#include <cstdint>

#include "commands/control_look/look_palette.h"
#include "commands/control_look/pixel_canvas.h"

namespace vx::look {

struct BoxFrames {
  Rgb outer;  // the style's frame colour; the darkened face when disabled
  Rgb inner;  // the window colour; the face when disabled or read-only
};
BoxFrames FramesOf(const LookPalette& palette, bool disabled, bool readOnly);

// Draws both frames round the picture's edge; returns what lies inside them.
PixelRect DrawBoxFrames(PixelCanvas& pixels, const BoxFrames& frames);

}  // namespace vx::look
