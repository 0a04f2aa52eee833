// InitRuntime: what the runtime prepares before the program does anything.
#include <windows.h>
#include <ole2.h>

#include "runtime/gbk.h"
#include "runtime/heap.h"
#include "runtime/helper_table.h"
#include "runtime/runtime_notify.h"
#include "runtime/runtime_state.h"
#include "runtime/shutdown.h"

namespace vx {
namespace {

constexpr wchar_t kHiddenOwnerClass[] = L"_VX_HideOwner";

LRESULT CALLBACK HiddenOwnerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kExitRequestMessage) {
    RunCleanup(static_cast<int>(wParam));
    ExitProcess(static_cast<UINT>(wParam));
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

HWND CreateHiddenOwner() {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSW existing;
  if (!GetClassInfoW(instance, kHiddenOwnerClass, &existing)) {
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = HiddenOwnerProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
    windowClass.lpszClassName = kHiddenOwnerClass;
    RegisterClassW(&windowClass);
  }
  return CreateWindowExW(WS_EX_TOOLWINDOW, kHiddenOwnerClass, L"", 0, 0, 0, 0, 0, nullptr, nullptr,
                         instance, nullptr);
}

// Splits the module path at its last backslash; the backslash search must not
// mistake the trail byte of a double-byte character for one.
void RecordProgramPath(RuntimeState& rt) {
  wchar_t path[MAX_PATH * 2];
  DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH * 2);
  std::wstring full(path, length);
  size_t cut = full.rfind(L'\\');
  if (cut == std::wstring::npos) {
    rt.programDirectory.clear();
    rt.programFileName = GbkFromWide(full.c_str());
  } else {
    rt.programDirectory = GbkFromWide(full.substr(0, cut).c_str());
    rt.programFileName = GbkFromWide(full.substr(cut + 1).c_str());
  }
  SetCurrentDirectoryW(WideFromGbk(rt.programDirectory).c_str());
}

}  // namespace

void InitRuntime() {
  RuntimeState& rt = Runtime();
  const ProgramHeader& header = *rt.header;
  rt.headerWords[0] = header.mode;
  rt.headerWords[1] = header.reserved1;
  rt.headerWords[2] = header.reserved2 + 1;
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
  rt.windowTable = WindowTable::Read(
      {static_cast<const uint8_t*>(header.templateData), header.templateLength}, header.codeBase);
}

}  // namespace vx
