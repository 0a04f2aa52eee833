// Font sizes in points and font heights in the screen's device units.
#pragma once

#include <cstdint>

namespace vx {

// The screen's vertical pixels per inch; 96 when the system gives none.
int ScreenPixelsPerInch();
// The LOGFONT height (negative: the character height) of a size in points, and the
// size in points of a height of either sign.
int32_t FontHeightFromPoints(int32_t points);
int32_t PointsFromFontHeight(int32_t height);

}  // namespace vx
