#include "runtime/framework/application.h"

#include "runtime/framework/window_object.h"

namespace vx {
namespace {

Application* current = nullptr;

constexpr UINT kSystemTimerMessage = 0x0118;  // the caret's blink timer

}  // namespace

Application::Application() { current = this; }

Application::~Application() {
  if (current == this) current = nullptr;
}

Application* Application::Current() { return current; }

int Application::Main() {
  if (InitInstance()) return Run();
  return ExitInstance();
}

int Application::ExitInstance() { return static_cast<int>(message_.wParam); }

// The framework itself keeps no idle work.
bool Application::OnIdle(long) { return false; }

bool Application::PreTranslateMessage(MSG* message) {
  // Thread messages have no window to offer them to; no thread message has a
  // handler in this framework.
  if (!message->hwnd) return false;
  return WalkPreTranslateTree(message, false);
}

bool Application::WalkPreTranslateTree(MSG* message, bool askWindows) {
  for (HWND window = message->hwnd; window; window = GetParent(window)) {
    WindowObject* object = WindowObject::FromHandlePermanent(window);
    if (!object && askWindows)
      object = reinterpret_cast<WindowObject*>(SendMessageW(window, kQueryWindowObjectMessage, 0, 0));
    if (object && object->PreTranslateMessage(message)) return true;
    if (!(GetWindowLongW(window, GWL_STYLE) & WS_CHILD)) break;  // a top-level window ends the walk
  }
  return false;
}

int Application::Run() {
  bool idle = true;
  long idleCount = 0;
  for (;;) {
    MSG peeked;
    while (idle && !PeekMessageW(&peeked, nullptr, 0, 0, PM_NOREMOVE)) {
      if (!OnIdle(idleCount++)) idle = false;
    }
    do {
      if (!PumpMessage()) return ExitInstance();
      if (IsIdleMessage(&message_)) {
        idle = true;
        idleCount = 0;
      }
    } while (PeekMessageW(&peeked, nullptr, 0, 0, PM_NOREMOVE));
  }
}

bool Application::PumpMessage() {
  if (!GetMessageW(&message_, nullptr, 0, 0)) return false;
  if (!PreTranslateMessage(&message_)) {
    TranslateMessage(&message_);
    DispatchMessageW(&message_);
  }
  return true;
}

bool Application::IsIdleMessage(const MSG* message) {
  if (message->message == WM_MOUSEMOVE || message->message == WM_NCMOUSEMOVE) {
    bool same = lastMouseMessage_ == message->message && lastMousePosition_.x == message->pt.x &&
                lastMousePosition_.y == message->pt.y;
    lastMouseMessage_ = message->message;
    lastMousePosition_ = message->pt;
    return !same;
  }
  return message->message != WM_PAINT && message->message != kSystemTimerMessage;
}

}  // namespace vx
