// The small shapes of the look, drawn pixel by pixel: the check box's tick, the
// radio button's round mark, the combo box's chevron and the up-down's arrows.
#pragma once

#include <optional>

#include "commands/control_look/pixel_canvas.h"

namespace vx::look {

// The 7 by 7 area a tick is drawn in.
constexpr int kTickSize = 7;
// Seven vertical three-pixel strokes whose tops fall, then rise: a tick.
void DrawTick(PixelCanvas& canvas, int left, int top, Rgb colour);

// A round mark filling a square box: a one-pixel ring, an inside gradient, and a
// dot when the mark is set.
struct RoundMark {
  Rgb ring;
  Corners inside;
  std::optional<Rgb> dot;
};
void DrawRoundMark(PixelCanvas& canvas, const PixelRect& box, const RoundMark& mark);

// A downward chevron of three stacked one-pixel polylines, centred in the area.
void DrawChevronDown(PixelCanvas& canvas, const PixelRect& area, Rgb colour);

enum class Pointing { kUp, kDown, kLeft, kRight };
// A small solid triangle of stacked one-pixel lines, centred in the area and
// shrunk to fit small areas.
void DrawTriangle(PixelCanvas& canvas, const PixelRect& area, Pointing pointing, Rgb colour);

}  // namespace vx::look
