#include "units/unit_base/control_colours.h"

#include "units/unit_base/background_colour.h"

namespace vx {

LRESULT AnswerControlColours(HDC dc, uint32_t textColour, uint32_t backColour, HBRUSH brush) {
  SetTextColor(dc, static_cast<COLORREF>(textColour & 0x00FFFFFF));
  SetBkColor(dc, PaintColour(backColour));
  return reinterpret_cast<LRESULT>(brush);
}

void RedrawWithColours(HWND control) {
  RedrawWindow(control, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

}  // namespace vx
