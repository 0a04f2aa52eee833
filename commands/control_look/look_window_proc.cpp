#include "commands/control_look/look_window_proc.h"

#include "commands/control_look/look_actions.h"
#include "commands/control_look/paint_control.h"
#include "commands/control_look/take_over.h"

namespace vx::look {

LRESULT CALLBACK LookWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  LookedControl* control = TakenOver().Find(window);
  if (!control) return 0;
  // Every procedure called below may end the record (a handler switching the look
  // off, the window destroyed): keep what is needed and look the record up again.
  const WNDPROC previous = control->previous;
  auto callPrevious = [&] { return CallWindowProcW(previous, window, message, wParam, lParam); };
  auto callDefault = [&] { return DefWindowProcW(window, message, wParam, lParam); };

  if (control->passThrough) {
    const LRESULT result = callPrevious();
    if (message == WM_NCDESTROY) TakenOver().Remove(window);
    return result;
  }
  if (message == WM_DESTROY) {
    const LRESULT result = callPrevious();
    GiveBack(window);
    return result;
  }
  // The up-down's own press handling (capture, auto-repeat) and the edit box's
  // read-only switch are theirs alone.
  if ((message == WM_LBUTTONDOWN && control->kind == LookKind::kUpDown) ||
      (message == EM_SETREADONLY && control->kind == LookKind::kEdit)) {
    return callPrevious();
  }
  if (message == WM_ERASEBKGND) {
    const ParentColours colours = AskParentColours(window);
    control = TakenOver().Find(window);
    if (!control) return callPrevious();
    control->parent = colours;
  }

  const uint32_t steps = TakeAction(*control, message, wParam, lParam);
  LRESULT result = 0;
  if (steps & step::kCallPrevious) result = callPrevious();
  if (steps & step::kCallDefault) result = callDefault();
  if (steps & step::kPaint) {
    if (LookedControl* still = TakenOver().Find(window); still && !still->passThrough) PaintControl(*still);
  }
  // A procedure runs at most once per message, even where a row and the common
  // update both ask for it.
  if ((steps & step::kCallPreviousAfter) && !(steps & step::kCallPrevious)) result = callPrevious();
  if ((steps & step::kCallDefaultAfter) && !(steps & step::kCallDefault)) result = callDefault();
  return (steps & step::kReturnLowWord) ? static_cast<LRESULT>(steps & 0xFFFF) : result;
}

}  // namespace vx::look
