#include "runtime/message_loop.h"

#include <windows.h>

#include "runtime/framework/application.h"
#include "runtime/runtime_state.h"
#include "runtime/window_loader.h"

namespace vx {
namespace {

// From the last to the first; entries whose window is gone are dropped.
void CallIdleCallbacks() {
  auto& callbacks = Runtime().idleCallbacks;
  for (size_t i = callbacks.size(); i-- > 0;) {
    if (i >= callbacks.size()) continue;  // a routine removed entries
    IdleCallback callback = callbacks[i];
    if (!IsWindow(static_cast<HWND>(callback.window))) {
      callbacks.erase(callbacks.begin() + static_cast<ptrdiff_t>(i));
      continue;
    }
    callback.routine(callback.parameter);
  }
}

bool MessageWaiting(MSG& peeked) { return PeekMessageW(&peeked, nullptr, 0, 0, PM_NOREMOVE); }

}  // namespace

void RunLoop(int mode) {
  Application& application = *Application::Current();
  RuntimeState& rt = Runtime();
  bool idle = true;
  long idleCount = 0;
  MSG peeked;
  for (;;) {
    while (idle && !MessageWaiting(peeked)) {
      CallIdleCallbacks();
      if (!application.OnIdle(idleCount++)) idle = false;
      if (mode == loop_mode::kModal && rt.modalWindowId == 0) return;
    }
    do {
      if (mode == loop_mode::kModal) {
        while (!MessageWaiting(peeked)) WaitMessage();
        if (peeked.message == WM_QUIT) return;  // left queued for the outer loop
      }
      if (!application.PumpMessage()) return;
      if (mode == loop_mode::kModal && rt.modalWindowId == 0) return;
      if (application.IsIdleMessage(&application.lastMessage())) {
        idle = true;
        idleCount = 0;
      }
    } while (MessageWaiting(peeked));
  }
}

void RunMessageLoop() {
  RuntimeState& rt = Runtime();
  rt.loopStarted = true;
  if (AnyWindowLoaded()) RunLoop(loop_mode::kMain);
}

void RegisterIdleCallback(const void* record) {
  const auto& wanted = *static_cast<const IdleCallback*>(record);
  auto& callbacks = Runtime().idleCallbacks;
  if (!IsWindow(static_cast<HWND>(wanted.window))) return;
  for (const IdleCallback& callback : callbacks) {
    if (callback.window == wanted.window) return;
  }
  callbacks.push_back(wanted);
}

void RemoveIdleCallback(void* window) {
  auto& callbacks = Runtime().idleCallbacks;
  std::erase_if(callbacks, [window](const IdleCallback& callback) { return callback.window == window; });
}

}  // namespace vx
