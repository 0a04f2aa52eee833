// ExitProgram from a worker thread while a window is up: the exit is handed to the
// GUI thread through the hidden owner, which runs the clean-up there.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "tests/runtime/window_driving.h"

namespace vx {
namespace {

using test::Program;
using test::RecordLines;
using test::TempFile;
using Lines = std::vector<std::string>;

TEST(WindowProgramExit, ExitProgramFromAWorkerEndsWithItsCodeAndRunsTheExitRoutineOnce) {
  TempFile record(L"vx_exit");
  Program program(L"window_program.exe", L"worker-exit \"" + record.path() + L"\"");
  EXPECT_EQ(program.WaitForExit(), 5u);
  Lines lines = RecordLines(record);
  EXPECT_EQ(std::count(lines.begin(), lines.end(), "exit"), 1);
  EXPECT_EQ(std::count(lines.begin(), lines.end(), "loop-ended"), 0) << "the process ends from inside the loop";
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines.front(), "created") << "the window was up";
}

}  // namespace
}  // namespace vx
