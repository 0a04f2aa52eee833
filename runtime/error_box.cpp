// The runtime error box: the way a fatal condition ends a running program.
#include <windows.h>

#include "runtime/framework/gbk.h"
#include "runtime/runtime_error.h"
#include "runtime/runtime_state.h"
#include "runtime/shutdown.h"

namespace vx {

void ShowRuntimeErrorBox(const char* message, int code) {
  RuntimeState& rt = Runtime();
  ++rt.eventBlock;  // the box's own loop dispatches messages, but no handler may run
  std::wstring text = WideFromGbk(FormatRuntimeErrorText(message, code));
  MessageBoxW(nullptr, text.c_str(), WideFromGbk("错误").c_str(), MB_ICONERROR);
  EndProgram(-1, ExitRoutines::kDrop);
}

}  // namespace vx
