// The colours a control's parent gives it, asked for as a button's are.
#pragma once

#include <windows.h>

namespace vx::look {

struct ParentColours {
  HBRUSH background = nullptr;  // the parent's: kept, never deleted here
  COLORREF backgroundColour = 0;
  COLORREF textColour = 0;
};

// Sends the parent WM_CTLCOLORBTN with a device context of the control and gives
// back the brush it returns, the brush's colour and the text colour it set.
// Without a parent, or when the parent answers no solid brush, the colour is the
// button face. The parent's handler may do anything, so callers find their record
// again afterwards.
ParentColours AskParentColours(HWND control);

}  // namespace vx::look
