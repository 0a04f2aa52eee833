// Start-up, window loading, the loop and the normal end, on a real process.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "tests/support/window_driving.h"

namespace vx {
namespace {

using test::Program;
using test::RecordLines;
using test::TempFile;
using Lines = std::vector<std::string>;

// The lines that begin with the prefix; moving and sizing record lines of their own.
Lines Only(const Lines& lines, const std::string& prefix) {
  Lines kept;
  for (const std::string& line : lines) {
    if (line.rfind(prefix, 0) == 0) kept.push_back(line);
  }
  return kept;
}

TEST(WindowProgram, OpensCentredRunsCreatedMovedResizedAndEndsWithZeroWhenClosed) {
  TempFile record(L"vx_window");
  Program program(L"window_program.exe", L"events \"" + record.path() + L"\"");
  HWND window = program.WaitForWindow(test::kWindowUnitClass);
  ASSERT_NE(window, nullptr);
  RECT rect;
  GetWindowRect(window, &rect);
  EXPECT_EQ(rect.right - rect.left, 400);
  EXPECT_EQ(rect.bottom - rect.top, 300);
  EXPECT_EQ(rect.left, (GetSystemMetrics(SM_CXSCREEN) - 400) / 2) << "stored left 10 is ignored";
  EXPECT_EQ(rect.top, (GetSystemMetrics(SM_CYSCREEN) - 300) / 2);
  EXPECT_EQ(test::TextOf(window), L"窗口测试");

  Lines lines = RecordLines(record, "resized");
  ASSERT_GE(lines.size(), 3u);
  EXPECT_EQ(Lines(lines.begin(), lines.begin() + 3), (Lines{"created", "moved", "resized"}));

  PostMessageW(window, WM_CLOSE, 0, 0);
  EXPECT_EQ(program.WaitForExit(), 0u);
  lines = RecordLines(record);
  EXPECT_EQ(std::count(lines.begin(), lines.end(), "exit"), 1) << "the exit routine runs exactly once";
  auto closeAt = std::find(lines.begin(), lines.end(), "close-requested");
  ASSERT_NE(closeAt, lines.end());
  EXPECT_EQ(*(closeAt + 1), "query-close");
  EXPECT_EQ(lines.back(), "exit");
}

TEST(WindowProgram, DestroyingTheWindowInCreatedPreventsMovedAndResized) {
  TempFile record(L"vx_window");
  Program program(L"window_program.exe", L"destroy \"" + record.path() + L"\"");
  EXPECT_EQ(program.WaitForExit(), 0u);
  EXPECT_EQ(RecordLines(record), (Lines{"created", "loop-ended", "exit"}));
}

TEST(WindowProgram, LoadingAMinimisedLoadedWindowRestoresIt) {
  TempFile record(L"vx_window");
  Program program(L"window_program.exe", L"reload \"" + record.path() + L"\"");
  HWND window = program.WaitForWindow(test::kWindowUnitClass);
  ASSERT_NE(window, nullptr);
  Lines lines = Only(RecordLines(record, "iconic 0"), "iconic ");
  auto iconicAt = std::find(lines.begin(), lines.end(), "iconic 1");
  ASSERT_NE(iconicAt, lines.end());
  EXPECT_EQ(*(iconicAt + 1), "iconic 0");
  EXPECT_EQ(Only(RecordLines(record), "created").size(), 1u) << "not created twice";
  PostMessageW(window, WM_CLOSE, 0, 0);
  EXPECT_EQ(program.WaitForExit(), 0u);
}

TEST(WindowProgram, BorderIsClampedAndACentredWindowReadsStartPositionNormal) {
  TempFile record(L"vx_window");
  Program program(L"window_program.exe", L"properties \"" + record.path() + L"\"");
  HWND window = program.WaitForWindow(test::kWindowUnitClass);
  ASSERT_NE(window, nullptr);
  Lines lines = Only(RecordLines(record, "border 0"), "border ");
  EXPECT_EQ(Only(RecordLines(record), "start "), Lines{"start 0"});
  auto borderAt = std::find(lines.begin(), lines.end(), "border 6");
  ASSERT_NE(borderAt, lines.end()) << "9 is stored as 6";
  EXPECT_EQ(*(borderAt + 1), "border 0") << "-1 is stored as 0";
  PostMessageW(window, WM_CLOSE, 0, 0);
  EXPECT_EQ(program.WaitForExit(), 0u);
}

TEST(WindowProgram, IdleGetsTheTimeSinceIdlingBeganUntilItsHandlerAnswersZero) {
  TempFile record(L"vx_window");
  Program program(L"window_program.exe", L"idle \"" + record.path() + L"\"");
  HWND window = program.WaitForWindow(test::kWindowUnitClass);
  ASSERT_NE(window, nullptr);
  Sleep(800);
  Lines lines = RecordLines(record);
  std::vector<int> times;
  for (const std::string& line : lines) {
    if (line.rfind("idle ", 0) == 0) times.push_back(std::stoi(line.substr(5)));
  }
  ASSERT_GE(times.size(), 2u);
  EXPECT_TRUE(std::is_sorted(times.begin(), times.end())) << "times within one idle period only grow";
  EXPECT_GE(times.back(), 100) << "the last call is the one that answered 0";
  EXPECT_EQ(std::count_if(times.begin(), times.end(), [](int ms) { return ms >= 100; }), 1)
      << "no call after the handler declined";
  PostMessageW(window, WM_CLOSE, 0, 0);
  EXPECT_EQ(program.WaitForExit(), 0u);
}

TEST(WindowProgram, AModalWindowDisablesTheOthersAndItsLoopEndsWhenItCloses) {
  TempFile record(L"vx_window");
  Program program(L"window_program.exe", L"modal \"" + record.path() + L"\"");
  Lines lines = Only(RecordLines(record, "modal-returned main-enabled 1"), "in-modal");
  ASSERT_FALSE(lines.empty()) << "the modal window's Idle ran inside its loop";
  EXPECT_EQ(lines.front(), "in-modal main-enabled 0");
  EXPECT_EQ(Only(RecordLines(record), "modal-returned"), Lines{"modal-returned main-enabled 1"});
  HWND window = program.WaitForWindow(test::kWindowUnitClass);
  ASSERT_NE(window, nullptr);
  PostMessageW(window, WM_CLOSE, 0, 0);
  EXPECT_EQ(program.WaitForExit(), 0u);
}

// ExitProgram from a worker thread while a window is up: the exit is handed to the
// GUI thread through the hidden owner, which runs the clean-up there.
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
