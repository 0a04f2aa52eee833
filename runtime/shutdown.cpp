// ExitProgram and the clean-up that both the normal end and ExitProgram run.
#include "runtime/shutdown.h"

#include <windows.h>

#include <ole2.h>

#include "runtime/dll_commands.h"
#include "runtime/heap.h"
#include "runtime/helper_operations.h"
#include "runtime/runtime_notify.h"
#include "runtime/runtime_state.h"
#include "sound/background_music.h"

namespace vx {

void RunCleanup(int exitCode, ExitRoutines routines) {
  RuntimeState& rt = Runtime();
  ++rt.eventBlock;
  if (GetCurrentThreadId() != rt.guiThreadId) {
    // Windows, libraries and the exit routine list belong to the GUI thread: hand
    // the exit over.
    auto owner = static_cast<HWND>(rt.hiddenOwner);
    if (IsWindow(owner)) {
      SendMessageW(owner, kExitRequestMessage, static_cast<WPARAM>(exitCode), routines == ExitRoutines::kDrop);
    }
    if (!rt.cleanupStarted) ExitProcess(static_cast<UINT>(exitCode));
    return;
  }
  if (rt.cleanupStarted.exchange(true)) return;
  if (routines == ExitRoutines::kDrop) rt.exitRoutines.clear();
  rt.idleCallbacks.clear();
  rt.windowTable = WindowTable();
  rt.unitTablesAtLoad.clear();
  rt.loadedWindows.clear();

  std::vector<ExitRoutine> registered;
  registered.swap(rt.exitRoutines);
  for (ExitRoutine routine : registered) routine();

  if (rt.header) {
    for (uint32_t i = 0; i < rt.header->libraryCount; ++i) {
      if (NotifyFn notice = rt.header->libraries[i].libraryNotify) notice(library_notice::kEnd, 0, 0);
    }
  }

  ReleaseDllCommands();
  ForgetConstantBlock();
  DestroyProgramIcons();
  StopBackgroundSound();
  if (rt.hiddenOwner) {
    DestroyWindow(static_cast<HWND>(rt.hiddenOwner));
    rt.hiddenOwner = nullptr;
  }
  if (rt.oleInitialised) {
    OleUninitialize();
    rt.oleInitialised = false;
  }
}

void EndProgram(int exitCode, ExitRoutines routines) {
  RunCleanup(exitCode, routines);
  ExitProcess(static_cast<UINT>(exitCode));
}

void ExitProgram(int code) { EndProgram(code, ExitRoutines::kRun); }

}  // namespace vx
