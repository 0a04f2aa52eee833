// A control's colour question (WM_CTLCOLOR*, handed back to its unit) answered
// with the unit's colours.
#pragma once

#include <windows.h>

#include <cstdint>

namespace vx {

// Text in textColour on backColour (colour rule applied); the brush fills the
// rest of the control. The answer to return for the message.
LRESULT AnswerColours(HDC dc, uint32_t textColour, uint32_t backColour, HBRUSH brush);

}  // namespace vx
