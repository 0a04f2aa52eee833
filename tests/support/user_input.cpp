#include "tests/support/user_input.h"

#include <cctype>

namespace vx::test {
INPUT MouseInput(DWORD flags, POINT screen, DWORD data) {
  INPUT input = {};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags;
  input.mi.mouseData = data;
  if (flags & MOUSEEVENTF_ABSOLUTE) {
    input.mi.dx = MulDiv(screen.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = MulDiv(screen.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
  }
  return input;
}

INPUT KeyInput(WORD key, bool up) {
  INPUT input = {};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = key;
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  return input;
}

std::vector<INPUT> CharacterInputs(std::u16string_view text) {
  std::vector<INPUT> inputs;
  for (char16_t c : text) {
    for (DWORD up : {DWORD{0}, DWORD{KEYEVENTF_KEYUP}}) {
      INPUT input = {};
      input.type = INPUT_KEYBOARD;
      input.ki.wScan = c;
      input.ki.dwFlags = KEYEVENTF_UNICODE | up;
      inputs.push_back(input);
    }
  }
  return inputs;
}

void SendInputs(std::span<const INPUT> inputs) {
  SendInput(static_cast<UINT>(inputs.size()), const_cast<INPUT*>(inputs.data()), sizeof(INPUT));
}

void SendOneInput(INPUT input) {
  SendInputs({&input, 1});
  PumpFor(30);
}

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

void MoveMouseTo(POINT screen) {
  SendOneInput(MouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, screen));
  POINT now = {};
  PumpUntil([&] { return GetCursorPos(&now) && now.x == screen.x && now.y == screen.y; }, 1000);
}

void ClickAt(POINT screen) {
  MoveMouseTo(screen);
  SendOneInput(MouseInput(MOUSEEVENTF_LEFTDOWN));
  SendOneInput(MouseInput(MOUSEEVENTF_LEFTUP));
  PumpFor(100);
}

void DragFromTo(POINT from, POINT to) {
  MoveMouseTo(from);
  SendOneInput(MouseInput(MOUSEEVENTF_LEFTDOWN));
  constexpr int kSteps = 8;
  for (int step = 1; step <= kSteps; ++step) {
    MoveMouseTo({from.x + (to.x - from.x) * step / kSteps, from.y + (to.y - from.y) * step / kSteps});
  }
  SendOneInput(MouseInput(MOUSEEVENTF_LEFTUP));
  PumpFor(100);
}

void PressKey(WORD key) {
  SendOneInput(KeyInput(key, false));
  SendOneInput(KeyInput(key, true));
  PumpFor(50);
}

void TypeText(std::string_view text) {
  for (char c : text) {
    PressKey(c == '.' ? VK_OEM_PERIOD : static_cast<WORD>(std::toupper(static_cast<unsigned char>(c))));
  }
}

}  // namespace vx::test
