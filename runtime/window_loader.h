// Loading windows from their template: the window and its units are created, the
// window's first events raised and the window shown; and what happens when a
// loaded window goes.
#pragma once

#include <cstdint>

#include "runtime/template/window_template.h"

namespace vx {

class WindowObject;

namespace load_mode {
constexpr int32_t kNormal = 0;
constexpr int32_t kModal = 1;
}  // namespace load_mode

// Window messages of loading, sent to every created unit's control and the window.
constexpr unsigned kUnitsCreatedMessage = 0x806F;   // to each unit, last to first
constexpr unsigned kWindowCreatedMessage = 0x8004;  // to the window
constexpr unsigned kWindowReadyMessage = 0x8076;    // to each unit, last to first

// A window is loaded while its own unit has an object with a live window.
bool IsWindowLoaded(const WindowRecord& window);
bool AnyWindowLoaded();

// Loads the window; an already loaded one (unless reloading) is only restored or
// activated. False when the owner is not a window or the window cannot be created.
bool LoadWindow(WindowRecord& window, bool reload, int32_t mode, void* owner);

// The first-show step after a load: shows the window when asked, and runs the
// modal loop of a modal window. A window past that step is only shown.
void RunFirstShowStep(uint32_t windowId, bool show);

// Helper-table operation: loads the start-up window; failure is fatal.
void LoadStartupWindow(uint32_t windowId);

// RuntimeNotify 2005's record.
struct LoadWindowRequest {
  uint32_t windowId;
  WindowObject* owner;  // null: no owner
  int32_t mode;
};
void LoadWindowOnRequest(const LoadWindowRequest& request);

// The window's own unit reported its destruction: re-enables what a modal window
// disabled, and posts WM_QUIT(0) when no window is left after the loop started.
void WindowGone(uint32_t windowId);

}  // namespace vx
