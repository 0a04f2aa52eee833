// A unit's colours: its answer when its control asks for them (WM_CTLCOLOR*,
// reflected from the parent: text in the unit's text colour on its background
// colour, and the background brush the control fills with), and the redrawing
// when they change.
#pragma once

#include <windows.h>

#include <cstdint>

namespace vx {

// Sets the text and background colours on the control's DC (the background by
// the colour rule) and gives the brush as the message's answer.
LRESULT AnswerControlColours(HDC dc, uint32_t textColour, uint32_t backColour, HBRUSH brush);

// Redraws a control whose colours or looks changed: background, frame and child
// windows (a combo box's edit field and list are windows of their own).
void RedrawWithColours(HWND control);

}  // namespace vx
