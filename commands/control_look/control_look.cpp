#include "commands/control_look/control_look.h"

#include <windows.h>

#include "commands/control_look/take_over.h"

namespace vx::look {
namespace {

// Both belong to the thread that switched the look on.
int lookStyle = 0;
HHOOK creationHook = nullptr;

// Windows created while the look is on are taken over once their WM_CREATE has
// returned, when their styles, check state and buddy are settled.
LRESULT CALLBACK WatchCreation(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION) {
    const auto* call = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
    if (call->message == WM_CREATE && call->lResult != -1) TakeOver(call->hwnd);
  }
  return CallNextHookEx(creationHook, code, wParam, lParam);
}

BOOL CALLBACK TakeOverChild(HWND window, LPARAM) {
  TakeOver(window);
  return TRUE;
}

BOOL CALLBACK TakeOverTopLevel(HWND window, LPARAM) {
  TakeOver(window);
  EnumChildWindows(window, TakeOverChild, 0);  // all descendants
  return TRUE;
}

bool SwitchOff() {
  GiveBackAll();
  const bool removed = creationHook && UnhookWindowsHookEx(creationHook);
  creationHook = nullptr;
  return removed;
}

bool SwitchOn() {
  SwitchOff();
  EnumThreadWindows(GetCurrentThreadId(), TakeOverTopLevel, 0);
  creationHook = SetWindowsHookExW(WH_CALLWNDPROCRET, WatchCreation, nullptr, GetCurrentThreadId());
  return creationHook != nullptr;
}

}  // namespace

bool SetLookStyle(int style) {
  lookStyle = style;
  return style >= 1 && style <= 3 ? SwitchOn() : SwitchOff();
}

int LookStyle() { return lookStyle; }

}  // namespace vx::look
