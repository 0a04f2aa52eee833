// The control look's entry points. One call switches it on for the calling
// thread: SetLookStyle(3) at the reader window's creation gives its buttons, group
// box, edit box and combo box the flat look; windows the thread creates later are
// taken over as they are created.
#pragma once

namespace vx::look {

// Remembers the style as the program's look style. 1, 2 or 3 switch the look off
// and on again with that style's colours: the thread's windows are taken over and
// a hook takes over those created later; the result is whether the hook is in
// place. Any other style switches the look off: every window gets its own
// procedure back and the hook goes; the result is whether a hook was removed.
bool SetLookStyle(int style);

// The style last given to SetLookStyle; 0 before the first call.
int LookStyle();

}  // namespace vx::look
