#include "commands/control_look/arrow_button.h"

namespace vx::look {

const ArrowFace& ArrowFaceOf(const LookPalette& palette, bool disabled, bool pressed, bool hot) {
  const ArrowSets& sets = palette.arrowButton;
  return disabled ? sets.disabled : pressed ? sets.pressed : hot ? sets.hot : sets.normal;
}

Rgb GlyphColour(const LookPalette& palette, bool disabled) { return disabled ? shared::kDisabledGlyph : palette.glyph; }

PixelRect DrawArrowButton(PixelCanvas& pixels, const PixelRect& button, const ArrowFace& face, Rgb behind) {
  pixels.Gradient(button, face.edge);
  pixels.Gradient(button.Deflated(1), face.face);
  for (int x : {button.left, button.right - 1}) {
    for (int y : {button.top, button.bottom - 1}) pixels.Set(x, y, behind);
  }
  return button.Deflated(1);
}

}  // namespace vx::look
