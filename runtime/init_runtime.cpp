// InitRuntime: what the runtime prepares before the program does anything.
#include <windows.h>

#include <ole2.h>

#include "runtime/framework/gbk.h"
#include "runtime/framework/module_path.h"
#include "runtime/framework/window_class.h"
#include "runtime/heap.h"
#include "runtime/helper_operations.h"
#include "runtime/runtime_error.h"
#include "runtime/runtime_notify.h"
#include "runtime/runtime_state.h"
#include "runtime/shutdown.h"

namespace vx {
namespace {

constexpr wchar_t kHiddenOwnerClass[] = L"_VX_HideOwner";

LRESULT CALLBACK HiddenOwnerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kExitRequestMessage) {
    EndProgram(static_cast<int>(wParam), lParam ? ExitRoutines::kDrop : ExitRoutines::kRun);
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

HWND CreateHiddenOwner() {
  EnsureWindowClass({kHiddenOwnerClass, HiddenOwnerProc, 0, static_cast<HBRUSH>(GetStockObject(NULL_BRUSH))});
  return CreateWindowExW(WS_EX_TOOLWINDOW, kHiddenOwnerClass, L"", 0, 0, 0, 0, 0, nullptr, nullptr,
                         GetModuleHandleW(nullptr), nullptr);
}

// The backslash search of a wide path cannot mistake the trail byte of a
// double-byte character for a backslash, as a search in GBK could.
void RecordProgramPath(RuntimeState& rt) {
  std::wstring folder = ModuleFolder();
  rt.programDirectory = folder.empty() ? std::string() : GbkFromWide(folder.substr(0, folder.size() - 1));
  rt.programFileName = GbkFromWide(ModuleFileTitle());
  SetCurrentDirectoryW(WideFromGbk(rt.programDirectory).c_str());
}

}  // namespace

void InitRuntime() {
  RuntimeState& rt = Runtime();
  const ProgramHeader& header = *rt.header;
  rt.programMode = header.mode;
  if (!rt.oleInitialised) rt.oleInitialised = SUCCEEDED(OleInitialize(nullptr));
  RecordProgramPath(rt);
  if (!rt.hiddenOwner) rt.hiddenOwner = CreateHiddenOwner();
  rt.guiThreadId = GetCurrentThreadId();
  if (header.constantLength > 0) SetConstantBlock(header.constantStart, header.constantLength);
  rt.dllCommands.assign(header.dllCommandCount, DllCommand{});
  for (uint32_t i = 0; i < header.dllCommandCount; ++i) {
    rt.dllCommands[i].fileName = header.dllFileNames[i] ? header.dllFileNames[i] : "";
    rt.dllCommands[i].entryName = header.dllEntryNames[i] ? header.dllEntryNames[i] : "";
  }
  for (uint32_t i = 0; i < header.libraryCount; ++i) {
    NotifyFn notice = header.libraries[i].libraryNotify;
    if (notice) notice(library_notice::kStart, reinterpret_cast<intptr_t>(&RuntimeNotify), 0);
  }
  std::optional<WindowTable> windows =
      WindowTable::Read({static_cast<const uint8_t*>(header.templateData), header.templateLength}, header.codeBase);
  if (!windows) RaiseRuntimeError(kTemplateReadErrorMessage, 0);
  rt.windowTable = std::move(*windows);
}

}  // namespace vx
