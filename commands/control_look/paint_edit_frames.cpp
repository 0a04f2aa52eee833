// Edit boxes and drop-down lists: only their frame is the look's, the inside is
// left to their own painting. An edit box joined to an up-down leaves the joined
// side open with a white line, so the two read as one box.
#include "commands/control_look/box_frames.h"
#include "commands/control_look/paint_control.h"

namespace vx::look {

std::optional<PixelRect> PaintEditFrames(const PaintJob& job) {
  const uint32_t state = job.control.state;
  const bool edit = job.control.kind == LookKind::kEdit;
  PixelCanvas pixels = CanvasOf(job.picture);
  const PixelRect inside =
      DrawBoxFrames(pixels, FramesOf(job.palette, state & flag::kDisabled, edit && (state & flag::kReadOnly)));
  if (edit) {
    const int height = pixels.height(), width = pixels.width();
    if (state & flag::kUpDownOnLeft) pixels.Fill({0, 1, 1, height - 1}, shared::kWhite);
    if (state & flag::kUpDownOnRight) pixels.Fill({width - 1, 1, width, height - 1}, shared::kWhite);
  }
  return inside;
}

}  // namespace vx::look
