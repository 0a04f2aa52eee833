// The thread library's commands called as compiled code calls them.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>

#include "commands/thread/thread_commands.h"
#include "tests/support/arguments.h"

namespace vx {
namespace {

using test::Call;
using test::Int;

std::atomic<int> seen{0};
DWORD WINAPI Worker(void* parameter) {
  seen = static_cast<int>(reinterpret_cast<intptr_t>(parameter));
  return 0;
}

TEST(ThreadCommands, StartThreadPassesItsParameterAndStoresOrClosesItsHandle) {
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

  EXPECT_EQ(Call(StartThreadCommand, {routine, test::Omitted()}).intValue, 1)
      << "no variable: the handle is closed at once";
}

}  // namespace
}  // namespace vx
