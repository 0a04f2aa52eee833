#include "runtime/app_object.h"

#include <vector>

#include "runtime/event_dispatch.h"
#include "runtime/framework/gbk.h"
#include "runtime/framework/module_path.h"
#include "runtime/helper_operations.h"
#include "runtime/runtime_error.h"
#include "runtime/runtime_state.h"
#include "runtime/shutdown.h"
#include "runtime/window_loader.h"

namespace vx {
namespace {

// Raises the window's Idle event; true when its handler asks for more.
bool WindowWantsIdle(uint32_t windowId, uint32_t milliseconds) {
  EventRecord record = MakeEventRecord(windowId, 0, window_event::kIdle, {static_cast<int32_t>(milliseconds)});
  EventAnswer answer = AnswerOf(record, DispatchEvent(record));
  return answer.hasResult && answer.result != 0;
}

}  // namespace

AppObject::AppObject(const ProgramHeader& header, ProgramEntry entry) : entry_(entry) { Runtime().header = &header; }

bool AppObject::InitInstance() {
  Runtime().moduleDirectory = GbkFromWide(ModuleFolder());
  return entry_(&HelperTable()) != 0;
}

int AppObject::ExitInstance() {
  RunCleanup(0);
  return Application::ExitInstance();
}

bool AppObject::OnIdle(long count) {
  if (count == 0) {
    idleStart_ = GetTickCount();
    declinedIdle_.clear();
    frameworkIdleMore_ = true;
  }
  if (frameworkIdleMore_) {
    frameworkIdleMore_ = Application::OnIdle(count);
    return true;
  }
  if (count == 1) return true;

  RuntimeState& rt = Runtime();
  std::vector<uint32_t> loaded;
  for (size_t i = 0; i < rt.windowTable.size(); ++i) {
    const WindowRecord& window = rt.windowTable.Window(i);
    if (IsWindowLoaded(window) && !declinedIdle_.count(window.id)) loaded.push_back(window.id);
  }
  bool more = false;
  uint32_t elapsed = GetTickCount() - idleStart_;
  for (uint32_t windowId : loaded) {
    // A handler may unload windows; ask only those still there.
    const WindowRecord* window = rt.windowTable.Find(windowId);
    if (!window || !IsWindowLoaded(*window)) continue;
    if (WindowWantsIdle(windowId, elapsed)) {
      more = true;
    } else {
      declinedIdle_.insert(windowId);
    }
  }
  return more;
}

bool AppObject::PreTranslateMessage(MSG* message) {
  if (!message->hwnd) return Application::PreTranslateMessage(message);
  return WalkPreTranslateTree(message, true);
}

// The process entry: the application object carries the whole program.
int RunProgram(const ProgramHeader& header, ProgramEntry entry) {
  InstallRuntimeErrorReport(ShowRuntimeErrorBox);
  AppObject application(header, entry);
  return application.Main();
}

}  // namespace vx
