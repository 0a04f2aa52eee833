#include "speech/platform/espeak/notify_window.h"

#include "runtime/framework/window_class.h"

namespace vx::espeak {
namespace {

constexpr wchar_t kClassName[] = L"_VX_SpeechNotify";
constexpr UINT kNotifyMessage = WM_APP + 1;

}  // namespace

NotifyWindow::NotifyWindow(SpeechNotifyCallback callback, WPARAM wParam, LPARAM lParam)
    : callback_(callback), wParam_(wParam), lParam_(lParam) {
  if (!EnsureWindowClass({kClassName, WindowProc, 0, nullptr, false})) return;
  window_ =
      CreateWindowExW(0, kClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, GetModuleHandleW(nullptr), nullptr);
  if (window_) SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

NotifyWindow::~NotifyWindow() {
  if (!window_) return;
  // A message still on its way must find no owner.
  SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
  if (GetWindowThreadProcessId(window_, nullptr) == GetCurrentThreadId())
    DestroyWindow(window_);
  else
    PostMessageW(window_, WM_CLOSE, 0, 0);
}

void NotifyWindow::Signal() {
  if (window_ && !pending_.exchange(true)) PostMessageW(window_, kNotifyMessage, 0, 0);
}

LRESULT CALLBACK NotifyWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kNotifyMessage) {
    auto* self = reinterpret_cast<NotifyWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self) {
      self->pending_ = false;
      self->callback_(self->wParam_, self->lParam_);
    }
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace vx::espeak
