// Arrow buttons: the combo box's drop-down button and the up-down's halves.
#pragma once

#include "commands/control_look/look_palette.h"
#include "commands/control_look/pixel_canvas.h"

namespace vx::look {

// The face for the state: disabled, else pressed, else hot, else normal.
const ArrowFace& ArrowFaceOf(const LookPalette& palette, bool disabled, bool pressed, bool hot);
Rgb GlyphColour(const LookPalette& palette, bool disabled);

// The face's two gradients with the corner pixels in the colour behind the
// button; returns the area for the glyph.
PixelRect DrawArrowButton(PixelCanvas& pixels, const PixelRect& button, const ArrowFace& face, Rgb behind);

}  // namespace vx::look
