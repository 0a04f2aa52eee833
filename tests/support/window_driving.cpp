#include "tests/support/window_driving.h"

#include <algorithm>
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

void PressKeys(const std::vector<WORD>& modifiers, WORD key) {
  std::vector<INPUT> inputs;
  for (WORD modifier : modifiers) inputs.push_back(KeyInput(modifier, false));
  inputs.push_back(KeyInput(key, false));
  inputs.push_back(KeyInput(key, true));
  for (auto it = modifiers.rbegin(); it != modifiers.rend(); ++it) inputs.push_back(KeyInput(*it, true));
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

void MoveMouse(POINT screen) { SendOneInput(MouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, screen)); }

void Drag(POINT from, POINT to) {
  MoveMouse(from);
  SendOneInput(MouseInput(MOUSEEVENTF_LEFTDOWN));
  Sleep(100);
  constexpr int kSteps = 10;
  for (int step = 1; step <= kSteps; ++step) {
    MoveMouse({from.x + (to.x - from.x) * step / kSteps, from.y + (to.y - from.y) * step / kSteps});
  }
  Sleep(100);
  SendOneInput(MouseInput(MOUSEEVENTF_LEFTUP));
  Sleep(300);
}

void WindowScenario::Start(const wchar_t* scenario) {
  program_ = std::make_unique<Program>(L"window_program.exe", std::wstring(scenario) + L" \"" + record_.path() + L"\"");
  window_ = program_->WaitForWindow(kWindowUnitClass);
  ASSERT_NE(window_, nullptr);
  ASSERT_TRUE(FocusWindow(window_));
}

void WindowScenario::TearDown() {
  if (window_ && IsWindow(window_)) PostMessageW(window_, WM_CLOSE, 0, 0);
  if (program_) program_->WaitForExit(5000);
}

bool WindowScenario::Recorded(const std::string& line) const {
  std::vector<std::string> lines = RecordLines(record_, line, 2000);
  return std::find(lines.begin(), lines.end(), line) != lines.end();
}

std::vector<std::string> WindowScenario::Only(const std::string& prefix) const {
  std::vector<std::string> kept;
  for (const std::string& line : RecordLines(record_)) {
    if (line.rfind(prefix, 0) == 0) kept.push_back(line);
  }
  return kept;
}

POINT WindowScenario::OnScreen(POINT client) const {
  ClientToScreen(window_, &client);
  return client;
}

POINT WindowScenario::TopLeft() const {
  RECT rect;
  GetWindowRect(window_, &rect);
  return {rect.left, rect.top};
}

}  // namespace vx::test
