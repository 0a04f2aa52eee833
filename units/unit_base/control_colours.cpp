#include "units/unit_base/control_colours.h"

#include "units/unit_base/background_colour.h"

namespace vx {

LRESULT AnswerColours(HDC dc, uint32_t textColour, uint32_t backColour, HBRUSH brush) {
  SetTextColor(dc, static_cast<COLORREF>(textColour));
  SetBkColor(dc, PaintColour(backColour));
  return reinterpret_cast<LRESULT>(brush);
}

}  // namespace vx
