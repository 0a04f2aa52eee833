// Push buttons (also default push buttons and push-like check boxes and radio
// buttons): a face-coloured edge, the frame, a gradient band chosen by state that
// shows as a two-pixel rim round a gradient centre, softened corners, the focus
// rectangle and the caption.
#include "commands/control_look/control_text.h"
#include "commands/control_look/paint_control.h"
#include "commands/control_look/system_colours.h"

namespace vx::look {
namespace {

ButtonSet RimOf(uint32_t state) {
  if (state & flag::kPressed) return kPressedRim;
  if (state & flag::kHot) return kHotRim;
  if (state & (flag::kChecked | flag::kIndeterminate)) return kCheckedRim;
  if (state & (flag::kFocused | flag::kDefault)) return kFocusedRim;
  return kNormalRim;
}

ButtonSet CentreOf(uint32_t state) {
  return state & (flag::kPressed | flag::kChecked | flag::kIndeterminate) ? kPressedCentre : kNormalCentre;
}

// Rounds the frame: each corner pixel takes the edge colour, and the pixel
// diagonally inside it the darkened frame colour.
void SoftenCorners(PixelCanvas& pixels, const PixelRect& frame, Rgb edge, Rgb inside) {
  const int xs[] = {frame.left, frame.right - 1}, ys[] = {frame.top, frame.bottom - 1};
  for (int x : xs) {
    for (int y : ys) {
      pixels.Set(x, y, edge);
      pixels.Set(x == frame.left ? x + 1 : x - 1, y == frame.top ? y + 1 : y - 1, inside);
    }
  }
}

RECT ToRECT(const PixelRect& rect) { return {rect.left, rect.top, rect.right, rect.bottom}; }

}  // namespace

std::optional<PixelRect> PaintPushButton(const PaintJob& job) {
  const uint32_t state = job.control.state;
  const bool disabled = state & flag::kDisabled;
  PixelCanvas pixels = CanvasOf(job.picture);
  const PixelRect all = pixels.bounds(), frame = all.Deflated(1), band = all.Deflated(2), centre = all.Deflated(4);
  const Rgb face = ButtonFace();

  pixels.Fill(all, FromColorRef(job.control.parent.backgroundColour));
  pixels.Frame(all, face);
  const Rgb frameColour = disabled ? DisabledFrame() : job.palette.buttonFrame;
  pixels.Frame(frame, frameColour);
  if (disabled) {
    pixels.Fill(band, shared::kDisabledButtonFill);
  } else {
    pixels.Gradient(band, job.palette.button[RimOf(state)]);
    pixels.Gradient(centre, job.palette.button[CentreOf(state)]);
  }
  SoftenCorners(pixels, frame, face, Darken(frameColour, disabled ? kDisabledCornerDarkening : kCornerDarkening));

  HDC dc = job.picture.dc();
  if (state & flag::kFocused) {
    RECT focus = ToRECT(centre.Deflated(-1));
    DrawFocusRect(dc, &focus);
  }
  RECT text = ToRECT(centre.Deflated(2, 0));
  if (state & flag::kPressed) OffsetRect(&text, 1, 1);
  const bool dim = disabled || (state & flag::kIndeterminate);
  DrawControlText(dc, job.control.window, text, PushButtonText(GetWindowLongW(job.control.window, GWL_STYLE)),
                  ToColorRef(dim ? shared::kDimText : shared::kBlack));
  return std::nullopt;
}

}  // namespace vx::look
