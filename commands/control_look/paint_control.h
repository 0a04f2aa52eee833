// Painting a taken-over control: an off-screen picture of it, drawn by the
// painter of its kind and copied to the window in one step.
#pragma once

#include <optional>

#include "commands/control_look/look_palette.h"
#include "commands/control_look/looked_control.h"
#include "commands/control_look/offscreen_bitmap.h"

namespace vx::look {

void PaintControl(const LookedControl& control);

// What a painter of one kind is given. The picture covers the client area of
// buttons and group boxes and the whole window rectangle of the other kinds.
struct PaintJob {
  const LookedControl& control;
  const LookPalette& palette;
  OffscreenBitmap& picture;
};

// The painters, one per kind. Each returns the part of the picture to leave to
// the control's own painting, if any; the rest is copied to the window.
std::optional<Rect> PaintPushButton(const PaintJob& job);
std::optional<Rect> PaintCheckBox(const PaintJob& job);
std::optional<Rect> PaintRadioButton(const PaintJob& job);
std::optional<Rect> PaintEditFrames(const PaintJob& job);  // edit boxes and drop-down lists
std::optional<Rect> PaintComboBox(const PaintJob& job);
std::optional<Rect> PaintUpDown(const PaintJob& job);
std::optional<Rect> PaintGroupBox(const PaintJob& job);

}  // namespace vx::look
