#include "runtime/message_pump.h"

#include <windows.h>

namespace vx {

void ProcessPendingMessages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE) && message.message != WM_QUIT) {
    if (!PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) break;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

}  // namespace vx
