// ExitProgram and the clean-up that both the normal end and ExitProgram run.
#include <windows.h>
#include <ole2.h>

#include "runtime/dll_commands.h"
#include "runtime/heap.h"
#include "runtime/helper_table.h"
#include "runtime/runtime_notify.h"
#include "runtime/runtime_state.h"
#include "runtime/shutdown.h"

namespace vx {

void RunCleanup(int exitCode) {
  RuntimeState& rt = Runtime();
  ++rt.eventBlock;
  if (GetCurrentThreadId() != rt.guiThreadId) {
    // Windows and libraries belong to the GUI thread: hand the exit over.
    auto owner = static_cast<HWND>(rt.hiddenOwner);
    if (IsWindow(owner)) SendMessageW(owner, kExitRequestMessage, static_cast<WPARAM>(exitCode), 0);
    if (!rt.cleanupStarted) ExitProcess(static_cast<UINT>(exitCode));
    return;
  }
  if (rt.cleanupStarted.exchange(true)) return;
  rt.idleCallbacks.clear();
  rt.windowTable = WindowTable();
  rt.unitTablesAtLoad.clear();
  rt.loadedWindows.clear();

  std::vector<ExitRoutine> routines;
  routines.swap(rt.exitRoutines);
  for (ExitRoutine routine : routines) routine();

  if (rt.header) {
    for (uint32_t i = 0; i < rt.header->libraryCount; ++i) {
      if (NotifyFn notice = rt.header->libraries[i].libraryNotify) notice(library_notice::kEnd, 0, 0);
    }
  }

  ReleaseDllCommands();
  ForgetConstantBlock();
  DestroyProgramIcons();
  if (rt.hiddenOwner) {
    DestroyWindow(static_cast<HWND>(rt.hiddenOwner));
    rt.hiddenOwner = nullptr;
  }
  if (rt.oleInitialised) {
    OleUninitialize();
    rt.oleInitialised = false;
  }
}

void ExitProgram(int code) {
  RunCleanup(code);
  ExitProcess(static_cast<UINT>(code));
}

}  // namespace vx
