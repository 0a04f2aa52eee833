#include "tests/runtime/window_driving.h"

#include <sstream>

namespace vx::test {

bool FocusWindow(HWND window) {
  DWORD target = GetWindowThreadProcessId(window, nullptr);
  AttachThreadInput(GetCurrentThreadId(), target, TRUE);
  SetForegroundWindow(window);
  SetActiveWindow(window);
  DWORD start = GetTickCount();
  while (GetForegroundWindow() != window && GetTickCount() - start < 2000) Sleep(10);
  return GetForegroundWindow() == window;
}

namespace {
INPUT Key(WORD key, bool up) {
  INPUT input = {};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = key;
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  return input;
}
}  // namespace

void PressKeys(const std::vector<WORD>& modifiers, WORD key) {
  std::vector<INPUT> inputs;
  for (WORD modifier : modifiers) inputs.push_back(Key(modifier, false));
  inputs.push_back(Key(key, false));
  inputs.push_back(Key(key, true));
  for (auto it = modifiers.rbegin(); it != modifiers.rend(); ++it) inputs.push_back(Key(*it, true));
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
  Sleep(150);  // the program takes its messages
}

HWND FocusOf(HWND window) {
  GUITHREADINFO info = {};
  info.cbSize = sizeof info;
  GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
  return info.hwndFocus;
}

int WaitForFocus(HWND window, int expected, DWORD timeoutMs) {
  DWORD start = GetTickCount();
  int id = GetDlgCtrlID(FocusOf(window));
  while (id != expected && GetTickCount() - start < timeoutMs) {
    Sleep(20);
    id = GetDlgCtrlID(FocusOf(window));
  }
  return id;
}

std::vector<std::string> RecordLines(const TempFile& record, const std::string& until, DWORD timeoutMs) {
  DWORD start = GetTickCount();
  for (;;) {
    std::vector<std::string> lines;
    std::istringstream in(record.Contents());
    bool found = until.empty();
    for (std::string line; std::getline(in, line);) {
      found = found || line == until;
      lines.push_back(line);
    }
    if (found || GetTickCount() - start >= timeoutMs) return lines;
    Sleep(20);
  }
}

}  // namespace vx::test
