#include "runtime/message_pump.h"

#include <windows.h>

#include "runtime/framework/application.h"

namespace vx {

// Through the application object when there is one, so that pre-translation (the
// windows' keyboard handling) sees these messages too.
void ProcessPendingMessages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE) && message.message != WM_QUIT) {
    if (Application* application = Application::Current()) {
      application->PumpMessage();
      continue;
    }
    if (!PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) break;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

}  // namespace vx
