// The reader's core and thread commands called as compiled code calls them.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <string>

#include "commands/core_commands.h"
#include "commands/thread_commands.h"
#include "runtime/framework/gbk.h"
#include "runtime/framework/module_path.h"
#include "runtime/heap.h"
#include "tests/support/program_fixture.h"

namespace vx {
namespace {

MDATA Text(const char* text) {
  MDATA value = {};
  value.text = const_cast<char*>(text);
  value.type = type::kText;
  return value;
}

MDATA Int(int32_t number) {
  MDATA value = {};
  value.intValue = number;
  value.type = type::kInt;
  return value;
}

std::string Take(MDATA result) {
  EXPECT_EQ(result.type, type::kText);
  std::string text = result.text ? result.text : "";
  Free(result.text);
  return text;
}

std::atomic<int> seen{0};
DWORD WINAPI Worker(void* parameter) {
  seen = static_cast<int>(reinterpret_cast<intptr_t>(parameter));
  return 0;
}

class CoreCommandsTest : public test::ProgramFixture {
 protected:
  void SetUp() override { StartProgram({}, nullptr, false); }
  static MDATA Call(LibraryCommand command, std::initializer_list<MDATA> arguments) {
    MDATA result = {};
    std::vector<MDATA> args(arguments);
    command(&result, static_cast<int>(args.size()), args.data());
    return result;
  }
};

TEST_F(CoreCommandsTest, RemoveAllSpacesGivesANewTextAndTheNullTextForNothing) {
  EXPECT_EQ(Take(Call(RemoveAllSpacesCommand, {Text("\xA1\xA1 a\xA1\xA1"
                                                    "b ")})),
            "ab");
  MDATA empty = Call(RemoveAllSpacesCommand, {Text(" \xA1\xA1")});
  EXPECT_EQ(empty.text, nullptr);
  EXPECT_EQ(Call(RemoveAllSpacesCommand, {}).text, nullptr);
}

TEST_F(CoreCommandsTest, ProgramDirectoryIsTheExesFolderWithoutItsBackslash) {
  std::wstring folder = ModuleFolder();
  EXPECT_EQ(Take(Call(ProgramDirectoryCommand, {})), GbkFromWide(folder.substr(0, folder.size() - 1)));
}

TEST_F(CoreCommandsTest, StartThreadPassesItsParameterAndStoresOrClosesItsHandle) {
  int32_t handle = 0;
  MDATA routine = {}, variable = {};
  routine.pointer = reinterpret_cast<void*>(&Worker);
  routine.type = type::kSubroutine;
  variable.pointer = &handle;
  variable.type = type::kInt;
  seen = 0;
  EXPECT_EQ(Call(StartThreadCommand, {routine, Int(42), variable}).intValue, 1);
  ASSERT_NE(handle, 0);
  WaitForSingleObject(reinterpret_cast<HANDLE>(static_cast<intptr_t>(handle)), 5000);
  EXPECT_EQ(seen, 42);
  EXPECT_EQ(Call(CloseHandleCommand, {Int(handle)}).intValue, 1);
  EXPECT_EQ(Call(CloseHandleCommand, {Int(handle)}).intValue, 0) << "closed once already";
  EXPECT_EQ(Call(CloseHandleCommand, {Int(0)}).intValue, 0);

  MDATA omitted = {};
  EXPECT_EQ(Call(StartThreadCommand, {routine, omitted}).intValue, 1) << "no variable: the handle is closed at once";
}

}  // namespace
}  // namespace vx
