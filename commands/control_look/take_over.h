// Taking a window over and giving it back.
#pragma once

#include <windows.h>

#include "commands/control_look/looked_control.h"

namespace vx::look {

// When the window is of a kind the look takes over and not taken over yet: keeps
// a record with its state as it is now, puts the look's procedure in front of its
// own and redraws it (frame included). True when it was taken over now.
bool TakeOver(HWND window);

// Gives the window its own procedure back, forgets it and redraws it. When a
// procedure installed after the look's is in front, the look cannot step out of
// the chain: its record then stays, handing every message on unchanged, until the
// window is gone.
void GiveBack(HWND window);
void GiveBackAll();

}  // namespace vx::look
