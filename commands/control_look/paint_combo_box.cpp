// Drop-down and drop-down-list combo boxes: the edit box's frames, and at the
// right a drop-down button with a chevron. The text field is the box's own.
#include "commands/control_look/arrow_button.h"
#include "commands/control_look/box_frames.h"
#include "commands/control_look/look_glyphs.h"
#include "commands/control_look/paint_control.h"

namespace vx::look {

std::optional<PixelRect> PaintComboBox(const PaintJob& job) {
  const uint32_t state = job.control.state;
  const bool disabled = state & flag::kDisabled;
  PixelCanvas pixels = CanvasOf(job.picture);
  const BoxFrames frames = FramesOf(job.palette, disabled, false);
  const PixelRect inside = DrawBoxFrames(pixels, frames);

  // As wide as the box's own button, which the system sizes the same way.
  const int buttonWidth = GetSystemMetrics(SM_CYVTHUMB);
  const PixelRect button = {inside.right - buttonWidth, inside.top, inside.right, inside.bottom};
  pixels.Frame(button, frames.inner);
  const ArrowFace& face = ArrowFaceOf(job.palette, disabled, state & flag::kPressed, state & flag::kHot);
  const PixelRect glyph = DrawArrowButton(pixels, button.Deflated(1), face, frames.inner);
  DrawChevronDown(pixels, glyph, GlyphColour(job.palette, disabled));
  return PixelRect{inside.left, inside.top, button.left, inside.bottom};
}

}  // namespace vx::look
