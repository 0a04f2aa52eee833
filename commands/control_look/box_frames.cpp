#include "commands/control_look/box_frames.h"

#include "commands/control_look/system_colours.h"

namespace vx::look {

BoxFrames FramesOf(const LookPalette& palette, bool disabled, bool readOnly) {
  return {disabled ? DisabledFrame() : palette.frame, disabled || readOnly ? ButtonFace() : SystemColour(COLOR_WINDOW)};
}

PixelRect DrawBoxFrames(PixelCanvas& pixels, const BoxFrames& frames) {
  pixels.Frame(pixels.bounds(), frames.outer);
  pixels.Frame(pixels.bounds().Deflated(1), frames.inner);
  return pixels.bounds().Deflated(2);
}

}  // namespace vx::look
