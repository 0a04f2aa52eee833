// DLL commands: functions of other DLLs that the program declares by file and
// entry name and calls with their own (stdcall) arguments.
#pragma once

namespace vx {

// Resolves command `index` (cached after the first call); an unresolvable command
// is a fatal runtime error.
void* ResolveDllCommand(int index);

// RuntimeHelperTable operation 1. Takes the command index in EAX, resolves it and
// jumps to the DLL function with the program's arguments untouched on the stack,
// so the function returns straight to the program.
extern "C" void CallDllCommandThunk();

// Typed call through the thunk, as compiled code makes it.
template <typename Result, typename... Args>
Result CallDllCommand(int index, Args... args) {
  using Thunk = Result(__attribute__((stdcall, regparm(1))) *)(int, Args...);
  return reinterpret_cast<Thunk>(&CallDllCommandThunk)(index, args...);
}

// Unloads every module loaded for DLL commands and forgets the resolutions.
void ReleaseDllCommands();

}  // namespace vx
