// DLL commands: functions of other DLLs that the program declares by file and
// entry name and calls with their own (stdcall) arguments.
#pragma once

namespace vx {

// RuntimeHelperTable operation 1: the address of command `index`, resolved on the
// first call and cached; an unresolvable command is a fatal runtime error.
void* ResolveDllCommand(int index);

// A DLL command call as compiled code makes it: resolve, then call the function
// itself with the program's arguments, so that it returns straight to the program.
template <typename Result, typename... Args>
Result CallDllCommand(int index, Args... args) {
  using Function = Result(__stdcall*)(Args...);
  return reinterpret_cast<Function>(ResolveDllCommand(index))(args...);
}

// Unloads every module loaded for DLL commands and forgets the resolutions.
void ReleaseDllCommands();

}  // namespace vx
