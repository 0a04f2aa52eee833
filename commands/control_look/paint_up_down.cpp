// Up-down controls: the style's frame colour behind two arrow buttons, the half
// under the mouse showing the hot and pressed states. Joined to a taken-over buddy
// edit box, the up-down continues that box's frames and disabled state, so the
// two read as one box.
#include <windows.h>

#include <commctrl.h>

#include "commands/control_look/arrow_button.h"
#include "commands/control_look/box_frames.h"
#include "commands/control_look/look_glyphs.h"
#include "commands/control_look/paint_control.h"
#include "commands/control_look/system_colours.h"

namespace vx::look {
namespace {

const LookedControl* JoinedBuddy(const LookedControl& upDown) {
  if (!(upDown.state & (flag::kLeftOfBuddy | flag::kRightOfBuddy))) return nullptr;
  HWND buddy = reinterpret_cast<HWND>(SendMessageW(upDown.window, UDM_GETBUDDY, 0, 0));
  const LookedControl* edit = buddy ? TakenOver().Find(buddy) : nullptr;
  return edit && !edit->passThrough && edit->kind == LookKind::kEdit ? edit : nullptr;
}

// The up-down's own press handling keeps the capture while the button is held;
// the look sees no button-down for it.
bool HeldDown(const LookedControl& upDown) {
  return (upDown.state & flag::kPressed) || (GetCapture() == upDown.window && GetKeyState(VK_LBUTTON) < 0);
}

}  // namespace

std::optional<PixelRect> PaintUpDown(const PaintJob& job) {
  const uint32_t state = job.control.state;
  const LookedControl* buddy = JoinedBuddy(job.control);
  const bool disabled = (state & flag::kDisabled) || (buddy && (buddy->state & flag::kDisabled));
  PixelCanvas pixels = CanvasOf(job.picture);
  const int width = pixels.width(), height = pixels.height();

  PixelRect arrows = pixels.bounds().Deflated(1);
  Rgb behind = disabled ? DisabledFrame() : job.palette.frame;
  pixels.Fill(pixels.bounds(), behind);
  if (buddy) {
    const BoxFrames frames = FramesOf(job.palette, disabled, buddy->state & flag::kReadOnly);
    arrows = DrawBoxFrames(pixels, frames);
    // The joined side carries on the buddy's inside: its open frame and the
    // separator both in the inner frame's colour.
    if (state & flag::kRightOfBuddy)
      pixels.Fill({0, 1, 2, height - 1}, frames.inner);
    else
      pixels.Fill({width - 2, 1, width, height - 1}, frames.inner);
    behind = frames.inner;
  }

  const bool horizontal = state & flag::kHorizontal;
  const PixelRect first = horizontal
                              ? PixelRect{arrows.left, arrows.top, arrows.left + arrows.width() / 2, arrows.bottom}
                              : PixelRect{arrows.left, arrows.top, arrows.right, arrows.top + arrows.height() / 2};
  const PixelRect second = horizontal ? PixelRect{first.right, arrows.top, arrows.right, arrows.bottom}
                                      : PixelRect{arrows.left, first.bottom, arrows.right, arrows.bottom};
  const bool pressed = HeldDown(job.control), hot = state & flag::kHot;
  const bool overFirst = state & flag::kFirstHalf;
  const Rgb glyph = GlyphColour(job.palette, disabled);
  struct Half {
    PixelRect rect;
    bool underMouse;
    Pointing pointing;
  };
  const Half halves[] = {
      {first, overFirst, horizontal ? Pointing::kLeft : Pointing::kUp},
      {second, !overFirst, horizontal ? Pointing::kRight : Pointing::kDown},
  };
  for (const Half& half : halves) {
    const ArrowFace& face = ArrowFaceOf(job.palette, disabled, pressed && half.underMouse, hot && half.underMouse);
    DrawTriangle(pixels, DrawArrowButton(pixels, half.rect, face, behind), half.pointing, glyph);
  }
  return std::nullopt;
}

}  // namespace vx::look
