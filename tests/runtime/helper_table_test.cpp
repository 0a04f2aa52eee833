#include <gtest/gtest.h>

#include <cstring>

#include "runtime/heap.h"
#include "runtime/helper_operations.h"
#include "runtime/runtime_state.h"

namespace vx {
namespace {

// Records what a command saw and answers with the argument count.
struct Seen {
  bool resultWasZeroed = false;
  int count = -1;
  DataType lastType = 1;
} seen;

void RecordingCommand(MDATA* result, int count, MDATA* args) {
  seen.resultWasZeroed = result->raw == 0 && result->type == 0;
  seen.count = count;
  seen.lastType = count > 0 ? args[count - 1].type : 1;
  result->intValue = count;
  result->type = type::kInt;
}

TEST(HelperTable, LibraryAndCoreCommandsGetAZeroedResultAndTheirArguments) {
  const RuntimeHelperTable& rt = HelperTable();
  MDATA args[2] = {};
  args[0].text = const_cast<char*>("文本");
  args[0].type = type::kText;  // args[1] is an omitted optional argument: all zero
  MDATA result = rt.callLibraryCommand(1, RecordingCommand, 2, args);
  EXPECT_TRUE(seen.resultWasZeroed);
  EXPECT_EQ(seen.count, 2);
  EXPECT_EQ(seen.lastType, type::kNone);
  EXPECT_EQ(result.intValue, 2);
  EXPECT_EQ(result.type, type::kInt);
  EXPECT_EQ(rt.callCoreCommand(RecordingCommand, 0, nullptr).intValue, 0);
}

TEST(HelperTable, MemoryOperationsAreTheRuntimeHeap) {
  const RuntimeHelperTable& rt = HelperTable();
  EXPECT_EQ(rt.allocate, &Allocate);
  EXPECT_EQ(rt.reallocate, &Reallocate);
  EXPECT_EQ(rt.free, &Free);
}

void ExitRoutineA() {}
void ExitRoutineB() {}

TEST(HelperTable, ExitRoutinesRegisterOnceInOrder) {
  const RuntimeHelperTable& rt = HelperTable();
  Runtime().exitRoutines.clear();
  rt.otherHelper(other_helper::kRegisterExitRoutine, &ExitRoutineA);
  rt.otherHelper(other_helper::kRegisterExitRoutine, &ExitRoutineB);
  rt.otherHelper(other_helper::kRegisterExitRoutine, &ExitRoutineA);
  EXPECT_EQ(Runtime().exitRoutines, (std::vector<ExitRoutine>{ExitRoutineA, ExitRoutineB}));
  Runtime().exitRoutines.clear();
}

TEST(HelperTable, ConstantArraysAreCopiedBeforeWriting) {
  alignas(4) static int32_t constants[] = {1, 3, 10, 20, 30, 99};
  SetConstantBlock(constants, sizeof constants);
  int32_t* variable = constants;
  HelperTable().otherHelper(other_helper::kMakeArrayWritable, &variable, 4);
  ASSERT_NE(variable, constants);
  EXPECT_EQ(std::memcmp(variable, constants, 5 * sizeof(int32_t)), 0);
  int32_t* heapArray = variable;
  HelperTable().otherHelper(other_helper::kMakeArrayWritable, &variable, 4);
  EXPECT_EQ(variable, heapArray) << "a heap array is already writable";
  Free(variable);
  ForgetConstantBlock();
}

}  // namespace
}  // namespace vx
