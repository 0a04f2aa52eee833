#include "commands/thread/thread_commands.h"

#include <windows.h>

namespace vx {
namespace {

void SetLogical(MDATA* result, bool value) {
  result->raw = 0;
  result->intValue = value ? 1 : 0;
  result->type = type::kBool;
}

}  // namespace

void StartThreadCommand(MDATA* result, int count, MDATA* args) {
  SetLogical(result, false);
  if (!HasArgument(count, args, 0) || !args[0].pointer) return;
  auto routine = reinterpret_cast<LPTHREAD_START_ROUTINE>(args[0].pointer);
  auto parameter =
      HasArgument(count, args, 1) ? reinterpret_cast<void*>(static_cast<intptr_t>(args[1].intValue)) : nullptr;
  HANDLE thread = CreateThread(nullptr, 0, routine, parameter, 0, nullptr);
  // The variable holds a 32-bit integer, as handles of the 32-bit program are.
  auto* variable = HasArgument(count, args, 2) ? static_cast<int32_t*>(args[2].pointer) : nullptr;
  if (variable) {
    *variable = static_cast<int32_t>(reinterpret_cast<intptr_t>(thread));
  } else if (thread) {
    CloseHandle(thread);
  }
  SetLogical(result, thread != nullptr);
}

void CloseHandleCommand(MDATA* result, int count, MDATA* args) {
  auto handle = reinterpret_cast<HANDLE>(static_cast<intptr_t>(count > 0 ? args[0].intValue : 0));
  DWORD flags = 0;
  // Closing what is not a handle may raise a fault where a debugger watches; it
  // is asked first instead, so such a handle simply gives false.
  bool valid = handle && GetHandleInformation(handle, &flags);
  SetLogical(result, valid && CloseHandle(handle));
}

const LibraryRecord& ThreadLibrary() {
  static const LibraryRecord library = {nullptr, 0, nullptr};
  return library;
}

}  // namespace vx
