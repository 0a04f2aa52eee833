// Check boxes: a framed 13-pixel box with a gradient inside by state, the
// indeterminate square or the hot fill, the tick, and the caption.
#include "commands/control_look/look_glyphs.h"
#include "commands/control_look/mark_box.h"
#include "commands/control_look/paint_control.h"
#include "commands/control_look/system_colours.h"

namespace vx::look {
namespace {

Rgb IndeterminateFill(uint32_t state) {
  if (state & flag::kDisabled) return shared::kDisabledTick;
  if (state & flag::kPressed) return shared::kIndeterminatePressed;
  if (state & flag::kHot) return shared::kIndeterminateHot;
  return shared::kIndeterminate;
}

}  // namespace

std::optional<PixelRect> PaintCheckBox(const PaintJob& job) {
  const uint32_t state = job.control.state;
  const bool disabled = state & flag::kDisabled, pressed = state & flag::kPressed, hot = state & flag::kHot;
  PixelCanvas pixels = CanvasOf(job.picture);
  pixels.Fill(pixels.bounds(), FromColorRef(job.control.parent.backgroundColour));

  const PixelRect box = MarkBox(GetWindowLongW(job.control.window, GWL_STYLE), pixels.width(), pixels.height());
  pixels.Frame(box, disabled ? DisabledFrame() : shared::kMarkFrame);
  const MarkSets& sets = job.palette.checkBox;
  if (disabled)
    pixels.Fill(box.Deflated(1), shared::kWhite);
  else
    pixels.Gradient(box.Deflated(1), pressed ? sets.pressed : hot ? sets.hot : sets.normal);

  const PixelRect inner = box.Deflated(3);
  if (state & flag::kIndeterminate) {
    pixels.Fill(inner, IndeterminateFill(state));
  } else {
    if (hot && !pressed) pixels.Fill(inner, state & flag::kChecked ? shared::kHotChecked : shared::kHotUnchecked);
    if (state & flag::kChecked)
      DrawTick(pixels, inner.left, inner.top, disabled ? shared::kDisabledTick : shared::kTick);
  }

  DrawMarkCaption(job.picture.dc(), job.control.window, state, job.control.parent.textColour, pixels.width(),
                  pixels.height());
  return std::nullopt;
}

}  // namespace vx::look
