// Painting a taken-over control: an off-screen picture of it, drawn by the
// painter of its kind and copied to the window in one step.
#pragma once

#include <optional>

#include "commands/control_look/look_palette.h"
#include "commands/control_look/looked_control.h"
#include "commands/control_look/pixel_canvas.h"
#include "runtime/framework/offscreen_bitmap.h"

namespace vx::look {

void PaintControl(const LookedControl& control);

// What a painter of one kind is given. The picture covers the client area of
// buttons and group boxes and the whole window rectangle of the other kinds.
struct PaintJob {
  const LookedControl& control;
  const LookPalette& palette;
  OffscreenBitmap& picture;
};

// The picture's pixels, GDI's drawing on them finished.
inline PixelCanvas CanvasOf(const OffscreenBitmap& picture) {
  return PixelCanvas(picture.Pixels(), picture.area().width(), picture.area().height());
}

// The painters, one per kind. Each returns the part of the picture to leave to
// the control's own painting, if any; the rest is copied to the window.
std::optional<PixelRect> PaintPushButton(const PaintJob& job);
std::optional<PixelRect> PaintCheckBox(const PaintJob& job);
std::optional<PixelRect> PaintRadioButton(const PaintJob& job);
std::optional<PixelRect> PaintEditFrames(const PaintJob& job);  // edit boxes and drop-down lists
std::optional<PixelRect> PaintComboBox(const PaintJob& job);
std::optional<PixelRect> PaintUpDown(const PaintJob& job);
std::optional<PixelRect> PaintGroupBox(const PaintJob& job);

}  // namespace vx::look
