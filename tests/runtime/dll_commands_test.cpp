#include "runtime/dll_commands.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "runtime/runtime_state.h"
#include "tests/support/raised_error.h"

namespace vx {
namespace {

// The ordinal under which kernel32 exports `name`, read from its export directory.
WORD Kernel32Ordinal(const char* name) {
  auto* base = reinterpret_cast<const BYTE*>(GetModuleHandleW(L"kernel32.dll"));
  auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
  auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
  const IMAGE_DATA_DIRECTORY& dir = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT];
  auto* exports = reinterpret_cast<const IMAGE_EXPORT_DIRECTORY*>(base + dir.VirtualAddress);
  auto* names = reinterpret_cast<const DWORD*>(base + exports->AddressOfNames);
  auto* ordinals = reinterpret_cast<const WORD*>(base + exports->AddressOfNameOrdinals);
  for (DWORD i = 0; i < exports->NumberOfNames; ++i) {
    if (std::strcmp(reinterpret_cast<const char*>(base + names[i]), name) == 0) {
      return static_cast<WORD>(ordinals[i] + exports->Base);
    }
  }
  return 0;
}

class DllCommandTest : public ::testing::Test {
 protected:
  void Declare(std::initializer_list<std::pair<std::string, std::string>> commands) {
    Runtime().dllCommands.clear();
    for (auto& [file, entry] : commands) Runtime().dllCommands.push_back({file, entry});
  }
  void TearDown() override { ReleaseDllCommands(); }
  std::string FailureOf(int index) {
    try {
      ResolveDllCommand(index);
    } catch (const test::RaisedError& error) {
      EXPECT_EQ(error.code, 0);
      return error.message;
    }
    return "resolved";
  }
};

TEST_F(DllCommandTest, CallsByNameFromTheSystemDllsWithArgumentsInPlace) {
  Declare({{"", "GetCurrentProcessId"}, {"", "lstrlenA"}, {"", "MulDiv"}, {"", "GetSystemMetrics"}});
  EXPECT_EQ(CallDllCommand<DWORD>(0), GetCurrentProcessId());
  EXPECT_EQ(CallDllCommand<int>(1, "语音合成"), 8);
  EXPECT_EQ(CallDllCommand<int>(2, 300, 7, 3), 700);
  EXPECT_EQ(CallDllCommand<int>(3, SM_CXSCREEN), GetSystemMetrics(SM_CXSCREEN));
  // Found in User32.dll, after Kernel32 and Gdi32 said no.
  EXPECT_EQ(Runtime().dllCommands[3].module, GetModuleHandleW(L"user32.dll"));
}

TEST_F(DllCommandTest, CallsByOrdinalAndCachesTheAddress) {
  WORD ordinal = Kernel32Ordinal("GetCurrentThreadId");
  ASSERT_NE(ordinal, 0);
  std::string entry = "#" + std::to_string(ordinal);
  std::string wrapped = "#" + std::to_string(ordinal + 0x10000);  // only the low 16 bits count
  Declare({{"Kernel32.dll", entry}, {"", wrapped}});
  EXPECT_EQ(CallDllCommand<DWORD>(0), GetCurrentThreadId());
  EXPECT_EQ(CallDllCommand<DWORD>(1), GetCurrentThreadId());
  void* first = Runtime().dllCommands[0].address;
  EXPECT_EQ(ResolveDllCommand(0), first);
  EXPECT_EQ(CallDllCommand<DWORD>(0), GetCurrentThreadId());
}

TEST_F(DllCommandTest, UnresolvableCommandsAreFatalWithTheirNames) {
  Declare({{"", "NoSuchCommand"}, {"nosuch.dll", "Beep"}, {"Kernel32.dll", "NoSuchCommand"}, {"", "#0"}});
  EXPECT_EQ(FailureOf(0), "无法找到指定DLL库文件中的输出命令“NoSuchCommand”");
  EXPECT_EQ(FailureOf(1), "无法找到指定DLL库文件“nosuch.dll”中的输出命令“Beep”");
  EXPECT_EQ(FailureOf(2), "无法找到指定DLL库文件“Kernel32.dll”中的输出命令“NoSuchCommand”");
  EXPECT_EQ(FailureOf(3), "无法找到指定DLL库文件中的输出命令“#0”");
  EXPECT_EQ(Runtime().dllCommands[2].module, nullptr);
}

TEST_F(DllCommandTest, NamedFileIsLookedForInTheProgramDirectory) {
  wchar_t system[MAX_PATH];
  GetSystemDirectoryW(system, MAX_PATH);
  char narrow[MAX_PATH * 2];
  WideCharToMultiByte(936, 0, system, -1, narrow, sizeof narrow, nullptr, nullptr);
  Runtime().programDirectory = narrow;  // pretend the program lives there
  Declare({{"version.dll", "GetFileVersionInfoSizeW"}});
  EXPECT_NE(ResolveDllCommand(0), nullptr);
  EXPECT_NE(Runtime().dllCommands[0].module, nullptr);
  Runtime().programDirectory.clear();
}

}  // namespace
}  // namespace vx
