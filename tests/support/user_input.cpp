#include "tests/support/user_input.h"

#include <cctype>

namespace vx::test {
namespace {

void Send(INPUT input) {
  SendInput(1, &input, sizeof input);
  PumpFor(30);
}

INPUT Mouse(DWORD flags, POINT screen = {}) {
  INPUT input = {};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags;
  if (flags & MOUSEEVENTF_ABSOLUTE) {
    input.mi.dx = MulDiv(screen.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = MulDiv(screen.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
  }
  return input;
}

INPUT Key(WORD key, bool up) {
  INPUT input = {};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = key;
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  return input;
}

}  // namespace

bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs) {
  DWORD start = GetTickCount();
  for (;;) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    if (done()) return true;
    if (GetTickCount() - start >= timeoutMs) return false;
    Sleep(10);
  }
}

void PumpFor(DWORD ms) {
  PumpUntil([] { return false; }, ms);
}

bool BringToFront(HWND window) {
  DWORD target = GetWindowThreadProcessId(window, nullptr);
  if (target != GetCurrentThreadId()) AttachThreadInput(GetCurrentThreadId(), target, TRUE);
  SetForegroundWindow(window);
  return PumpUntil([&] { return GetForegroundWindow() == window; });
}

POINT ScreenCentre(HWND window, RECT client) {
  POINT centre = {(client.left + client.right) / 2, (client.top + client.bottom) / 2};
  ClientToScreen(window, &centre);
  return centre;
}

void MoveMouseTo(POINT screen) { Send(Mouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, screen)); }

void ClickAt(POINT screen) {
  MoveMouseTo(screen);
  Send(Mouse(MOUSEEVENTF_LEFTDOWN));
  Send(Mouse(MOUSEEVENTF_LEFTUP));
  PumpFor(100);
}

void DragFromTo(POINT from, POINT to) {
  MoveMouseTo(from);
  Send(Mouse(MOUSEEVENTF_LEFTDOWN));
  constexpr int kSteps = 8;
  for (int step = 1; step <= kSteps; ++step) {
    MoveMouseTo({from.x + (to.x - from.x) * step / kSteps, from.y + (to.y - from.y) * step / kSteps});
  }
  Send(Mouse(MOUSEEVENTF_LEFTUP));
  PumpFor(100);
}

void PressKey(WORD key) {
  Send(Key(key, false));
  Send(Key(key, true));
  PumpFor(50);
}

void TypeText(std::string_view text) {
  for (char c : text) {
    PressKey(c == '.' ? VK_OEM_PERIOD : static_cast<WORD>(std::toupper(static_cast<unsigned char>(c))));
  }
}

}  // namespace vx::test
