#include "commands/control_look/looked_control.h"

#include <algorithm>

namespace vx::look {

LookedControl* LookedControls::Find(HWND window) {
  auto found = std::ranges::find(controls_, window, &LookedControl::window);
  return found == controls_.end() ? nullptr : &*found;
}

LookedControl& LookedControls::Add(const LookedControl& control) {
  controls_.push_front(control);
  return controls_.front();
}

void LookedControls::Remove(HWND window) {
  controls_.remove_if([window](const LookedControl& control) { return control.window == window; });
}

std::vector<HWND> LookedControls::LookedAfter() const {
  std::vector<HWND> windows;
  for (const LookedControl& control : controls_) {
    if (!control.passThrough) windows.push_back(control.window);
  }
  return windows;
}

LookedControls& TakenOver() {
  static LookedControls controls;
  return controls;
}

}  // namespace vx::look
