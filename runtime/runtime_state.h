// The state the runtime keeps for the life of the process.
#pragma once

#include <atomic>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "contract/program.h"
#include "runtime/template/window_template.h"

namespace vx {

using ExitRoutine = void (*)();

// One DLL command of the program: names from the program's table, and the
// resolved address with its module once the first call found them.
struct DllCommand {
  std::string fileName;
  std::string entryName;
  void* address = nullptr;
  void* module = nullptr;
};

// A routine given idle time while its window lives (RuntimeNotify 1012), in the
// form the caller's record holds it.
struct IdleCallback {
  void* window;  // HWND
  void (*routine)(intptr_t parameter);
  intptr_t parameter;
};

// What the loader keeps about a loaded window until it is destroyed.
struct LoadedWindow {
  bool waitingForFirstShow = false;
  bool modal = false;
  // Top-level windows a modal window disabled, with whether each was enabled.
  std::vector<std::pair<void*, bool>> disabledWindows;
};

// The unit whose handler is running; window id 0 when none is.
struct EventSource {
  uint32_t windowId = 0;
  uint32_t unitId = 0;
};

struct RuntimeState {
  const ProgramHeader* header = nullptr;
  uint32_t programMode = 0;  // the header's first word: RuntimeNotify 2030 answers it
  bool oleInitialised = false;
  std::string programDirectory;  // GBK, no trailing backslash
  std::string programFileName;
  std::string moduleDirectory;  // GBK, with its trailing backslash
  void* hiddenOwner = nullptr;  // HWND
  void* programIcons[2] = {};   // HICON large, small: loaded on first request
  uint32_t guiThreadId = 0;
  std::vector<DllCommand> dllCommands;
  std::vector<ExitRoutine> exitRoutines;

  WindowTable windowTable;
  // The unit table of each loaded window as it was at load time; put back when the
  // window is destroyed, so values written while it was loaded are dropped.
  std::unordered_map<uint32_t, UnitTable> unitTablesAtLoad;
  std::unordered_map<uint32_t, LoadedWindow> loadedWindows;
  std::vector<IdleCallback> idleCallbacks;
  bool loopStarted = false;  // RunMessageLoop ran: the last window going ends the program
  uint32_t modalWindowId = 0;
  bool recreatingUnit = false;  // destruction reports are ignored meanwhile

  std::atomic<int> eventBlock{0};  // while above 0 no event reaches a handler
  EventSource currentEventSource;
  std::atomic<bool> cleanupStarted{false};
};

RuntimeState& Runtime();

// Appends the routine to the list run at program end, unless already listed.
void RegisterExitRoutine(ExitRoutine routine);

}  // namespace vx
