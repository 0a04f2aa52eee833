#include "commands/control_look/look_glyphs.h"

#include <algorithm>

namespace vx::look {

void DrawTick(PixelCanvas& canvas, int left, int top, Rgb colour) {
  static constexpr int kStrokeTops[kTickSize] = {2, 3, 4, 3, 2, 1, 0};
  for (int column = 0; column < kTickSize; ++column) {
    for (int row = 0; row < 3; ++row) canvas.Set(left + column, top + kStrokeTops[column] + row, colour);
  }
}

namespace {

// Whether the pixel at (x, y) of a square box of side `size` lies inside the disc
// of that diameter; `inset` shrinks the disc by so many pixels of radius.
bool InDisc(int size, int x, int y, double inset) {
  const double centre = size / 2.0, radius = size / 2.0 - inset;
  const double dx = x + 0.5 - centre, dy = y + 0.5 - centre;
  return dx * dx + dy * dy <= radius * radius;
}

}  // namespace

void DrawRoundMark(PixelCanvas& canvas, const PixelRect& box, const RoundMark& mark) {
  const int size = std::min(box.width(), box.height());
  // The ring is the disc's edge: its pixels with a neighbour outside the disc,
  // so it is closed and one pixel thick all round.
  auto inside = [&](int x, int y) { return x >= 0 && y >= 0 && x < size && y < size && InDisc(size, x, y, 0); };
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      if (!inside(x, y)) continue;
      const bool edge = !inside(x - 1, y) || !inside(x + 1, y) || !inside(x, y - 1) || !inside(x, y + 1);
      Rgb colour = edge ? mark.ring : GradientAt(mark.inside, size, size, x, y);
      if (!edge && mark.dot && InDisc(size, x, y, size / 2.0 - 2.5)) colour = *mark.dot;
      canvas.Set(box.left + x, box.top + y, colour);
    }
  }
}

void DrawChevronDown(PixelCanvas& canvas, const PixelRect& area, Rgb colour) {
  constexpr int kHalfWidth = 3, kThickness = 3;  // 7 wide, 6 high
  const int centreX = area.left + area.width() / 2;
  const int top = area.top + (area.height() - (kHalfWidth + kThickness)) / 2;
  for (int line = 0; line < kThickness; ++line) {
    for (int step = 0; step <= kHalfWidth; ++step) {
      canvas.Set(centreX - kHalfWidth + step, top + line + step, colour);
      canvas.Set(centreX + kHalfWidth - step, top + line + step, colour);
    }
  }
}

void DrawTriangle(PixelCanvas& canvas, const PixelRect& area, Pointing pointing, Rgb colour) {
  const bool vertical = pointing == Pointing::kUp || pointing == Pointing::kDown;
  const int along = vertical ? area.height() : area.width();   // the way it points
  const int across = vertical ? area.width() : area.height();  // its base
  // Up to four lines, base 7; smaller when the area is small.
  const int lines = std::max(1, std::min({4, (across - 1) / 2, along - 2}));
  const int baseCentre = (vertical ? area.left : area.top) + across / 2;
  const int start = (vertical ? area.top : area.left) + (along - lines) / 2;
  for (int line = 0; line < lines; ++line) {
    // The tip is the line of length 1.
    const bool tipFirst = pointing == Pointing::kUp || pointing == Pointing::kLeft;
    const int halfLength = tipFirst ? line : lines - 1 - line;
    for (int offset = -halfLength; offset <= halfLength; ++offset) {
      const int onBase = baseCentre + offset, onAxis = start + line;
      canvas.Set(vertical ? onBase : onAxis, vertical ? onAxis : onBase, colour);
    }
  }
}

}  // namespace vx::look
