// Radio buttons: a round mark placed as a check box's box, a gradient inside by
// state, a dot when checked, and the caption.
#include "commands/control_look/look_glyphs.h"
#include "commands/control_look/mark_box.h"
#include "commands/control_look/paint_control.h"
#include "commands/control_look/system_colours.h"

namespace vx::look {

std::optional<PixelRect> PaintRadioButton(const PaintJob& job) {
  const uint32_t state = job.control.state;
  const bool disabled = state & flag::kDisabled;
  PixelCanvas pixels = CanvasOf(job.picture);
  pixels.Fill(pixels.bounds(), FromColorRef(job.control.parent.backgroundColour));

  const MarkSets& sets = job.palette.radioButton;
  RoundMark mark = {.ring = disabled ? DisabledFrame() : shared::kMarkFrame,
                    .inside = disabled                 ? Flat(ButtonFace())
                              : state & flag::kPressed ? sets.pressed
                              : state & flag::kHot     ? sets.hot
                                                       : sets.normal,
                    .dot = std::nullopt};
  if (state & flag::kChecked) mark.dot = disabled ? shared::kDisabledTick : shared::kTick;
  DrawRoundMark(pixels, MarkBox(GetWindowLongW(job.control.window, GWL_STYLE), pixels.width(), pixels.height()), mark);

  DrawMarkCaption(job.picture.dc(), job.control.window, state, job.control.parent.textColour, pixels.width(),
                  pixels.height());
  return std::nullopt;
}

}  // namespace vx::look
