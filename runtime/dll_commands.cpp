#include "runtime/dll_commands.h"

#include <windows.h>

#include <cstdlib>
#include <string>

#include "runtime/framework/gbk.h"
#include "runtime/runtime_error.h"
#include "runtime/runtime_state.h"

namespace vx {
namespace {

// Searched in this order when a command names no DLL file.
const char* const kSystemDlls[] = {"Kernel32.dll", "Gdi32.dll", "User32.dll", "Advapi32.dll", "Mpr.dll", "Shell32.dll"};

HMODULE Load(const std::string& path) { return LoadLibraryW(WideFromGbk(path).c_str()); }

// "#123" names an export by ordinal (low 16 bits); anything else by name.
FARPROC Lookup(HMODULE module, const std::string& entry) {
  if (!entry.empty() && entry[0] == '#') {
    auto ordinal = static_cast<WORD>(std::strtoul(entry.c_str() + 1, nullptr, 10));
    return ordinal ? GetProcAddress(module, MAKEINTRESOURCEA(ordinal)) : nullptr;
  }
  return GetProcAddress(module, entry.c_str());
}

[[noreturn]] void Unresolved(const DllCommand& command) {
  std::string message;
  if (command.fileName.empty()) {
    message = "无法找到指定DLL库文件中的输出命令“" + command.entryName + "”";
  } else {
    message = "无法找到指定DLL库文件“" + command.fileName + "”中的输出命令“" + command.entryName + "”";
  }
  RaiseRuntimeError(message.c_str(), 0);
}

// A named file without a drive is looked for next to the program first.
HMODULE LoadNamedFile(const std::string& name) {
  if (name.find(':') == std::string::npos) {
    const RuntimeState& rt = Runtime();
    for (const std::string& path : {rt.programDirectory + "\\" + name, rt.moduleDirectory + name}) {
      if (HMODULE module = Load(path)) return module;
    }
  }
  return Load(name);
}

}  // namespace

void* ResolveDllCommand(int index) {
  auto& commands = Runtime().dllCommands;
  if (index < 0 || static_cast<size_t>(index) >= commands.size()) Unresolved(DllCommand{});
  DllCommand& command = commands[index];
  if (command.address) return command.address;

  HMODULE module = nullptr;
  FARPROC address = nullptr;
  if (command.fileName.empty()) {
    for (const char* dll : kSystemDlls) {
      module = Load(dll);
      if (!module) continue;
      if ((address = Lookup(module, command.entryName))) break;
      FreeLibrary(module);
      module = nullptr;
    }
  } else if ((module = LoadNamedFile(command.fileName))) {
    address = Lookup(module, command.entryName);
  }
  if (!address) {
    if (module) FreeLibrary(module);
    Unresolved(command);
  }
  command.module = module;
  command.address = reinterpret_cast<void*>(address);
  return command.address;
}

void ReleaseDllCommands() {
  for (DllCommand& command : Runtime().dllCommands) {
    if (command.module) FreeLibrary(static_cast<HMODULE>(command.module));
  }
  Runtime().dllCommands.clear();
}

}  // namespace vx
