// A compiled program in miniature for the process tests. It registers an exit
// routine that appends "exit" to the file named by its second argument, then does
// what its first argument names:
//   subscript    subscript 0 of a 3-element array (runtime error 4)
//   overflow     subscript 4 of a 3-element array (runtime error 1)
//   allocation   an allocation that cannot succeed (a negative byte count)
//   dll          a DLL command that no system DLL exports
//   exit-code    ExitProgram(7)
//   worker-exit  ExitProgram(5) from a worker thread while the GUI thread waits
//   normal       returns from the entry routine
#include <windows.h>

#include <shellapi.h>

#include <string>

#include "commands/core/expression.h"
#include "contract/helper_table.h"
#include "contract/program.h"
#include "runtime/app_object.h"
#include "runtime/dll_commands.h"
#include "runtime/framework/gbk.h"

namespace {

std::wstring scenario;
std::wstring markerPath;

void AppendToMarker() {
  HANDLE file = CreateFileW(markerPath.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS, 0, nullptr);
  DWORD written = 0;
  WriteFile(file, "exit\n", 5, &written, nullptr);
  CloseHandle(file);
}

const char* const kDllFiles[] = {""};
const char* const kDllEntries[] = {"VoxletNoSuchExport"};
const char kConstants[] = "constant data";

const vx::ProgramHeader kHeader = {
    .mode = 3,
    .reserved1 = 0,
    .reserved2 = 0x100DF,
    .codeBase = nullptr,
    .constantStart = kConstants,
    .constantLength = sizeof kConstants,
    .templateData = nullptr,
    .templateLength = 0,
    .libraryCount = 0,
    .libraries = nullptr,
    .dllCommandCount = 1,
    .dllFileNames = kDllFiles,
    .dllEntryNames = kDllEntries,
};

DWORD WINAPI ExitFromWorker(void* runtime) {
  static_cast<const vx::RuntimeHelperTable*>(runtime)->exitProgram(5);
  return 0;
}

DWORD WINAPI ErrorOnWorker(void* runtime) {
  static_cast<const vx::RuntimeHelperTable*>(runtime)->reportRuntimeError(4);
  return 0;
}

int Entry(const vx::RuntimeHelperTable* rt) {
  rt->otherHelper(vx::other_helper::kInitRuntime);
  rt->otherHelper(vx::other_helper::kRegisterExitRoutine, &AppendToMarker);
  rt->otherHelper(vx::other_helper::kRegisterExitRoutine, &AppendToMarker);
  if (scenario == L"subscript") vx::CheckSubscript(*rt, 0, 3);
  if (scenario == L"overflow") vx::CheckSubscript(*rt, 4, 3);
  if (scenario == L"allocation") rt->allocate(-16);  // no heap can satisfy it, on 32 or 64 bits
  if (scenario == L"dll") vx::CallDllCommand<int>(0);
  if (scenario == L"exit-code") rt->exitProgram(7);
  if (scenario == L"worker-exit" || scenario == L"worker-error") {
    LPTHREAD_START_ROUTINE worker = scenario == L"worker-exit" ? ExitFromWorker : ErrorOnWorker;
    CloseHandle(CreateThread(nullptr, 0, worker, const_cast<vx::RuntimeHelperTable*>(rt), 0, nullptr));
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
  }
  return 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  int count = 0;
  wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  if (count > 1) scenario = arguments[1];
  if (count > 2) markerPath = arguments[2];
  LocalFree(arguments);
  return vx::RunProgram(kHeader, Entry);
}
