// The record the look keeps for each window it has taken over, and the list of
// them. Both belong to the thread that switched the look on.
#pragma once

#include <windows.h>

#include <cstdint>
#include <forward_list>
#include <vector>

#include "commands/control_look/look_kinds.h"
#include "commands/control_look/parent_colours.h"

namespace vx::look {

struct LookedControl {
  HWND window = nullptr;
  LookKind kind = LookKind::kPushButton;
  uint32_t state = 0;  // flag:: bits
  // What the parent answered to WM_CTLCOLORBTN on the last WM_ERASEBKGND.
  ParentColours parent;
  WNDPROC previous = nullptr;  // the procedure the look replaced
  // Given back while a procedure installed after the look's still calls it: the
  // look then only hands every message on (see GiveBack).
  bool passThrough = false;
};

// Newest first, found by window handle. Records stay where they are while they
// live, so a pointer to one is good until it is removed.
class LookedControls {
 public:
  LookedControl* Find(HWND window);
  LookedControl& Add(const LookedControl& control);
  void Remove(HWND window);
  // The windows the look paints now (not those it only hands messages on for).
  std::vector<HWND> LookedAfter() const;

 private:
  std::forward_list<LookedControl> controls_;
};

// The one list of the program.
LookedControls& TakenOver();

}  // namespace vx::look
