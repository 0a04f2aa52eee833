// Fatal errors and program ends as they happen to a real process under Wine.
#include <gtest/gtest.h>
#include <windows.h>

#include "runtime/framework/gbk.h"
#include "tests/support/process_driver.h"

namespace vx {
namespace {

using test::Program;
using test::TempFile;

constexpr DWORD kMinusOne = 0xFFFFFFFF;

// Runs the scenario, expects the error box with exactly `text`, closes it with its
// OK button and returns the exit code. The exit routine must not have run.
DWORD ExpectErrorBox(const wchar_t* scenario, const std::wstring& text) {
  TempFile marker(L"vx_marker");
  Program program(L"fatal_program.exe", std::wstring(scenario) + L" \"" + marker.path() + L"\"");
  HWND box = program.WaitForWindow(L"#32770");
  EXPECT_NE(box, nullptr) << "no error box appeared";
  if (!box) return 0;
  test::MessageBoxSeen seen = test::ReadMessageBox(box);
  EXPECT_EQ(seen.caption, WideFromGbk("错误"));
  EXPECT_EQ(seen.text, text);
  EXPECT_TRUE(seen.hasIcon);
  EXPECT_EQ(GetWindow(box, GW_OWNER), nullptr) << "the box has no owner";
  EXPECT_TRUE(test::ClickButton(box, IDOK));
  DWORD code = program.WaitForExit();
  EXPECT_FALSE(marker.Exists()) << "exit routines must not run after a runtime error";
  return code;
}

TEST(FatalErrors, SubscriptBelowOneShowsErrorFour) {
  EXPECT_EQ(ExpectErrorBox(L"subscript", WideFromGbk("运行时出错!\r\n\r\n错误代码：4\r\n\r\n"
                                                     "错误信息：数组成员引用下标必须大于等于1\r\n")),
            kMinusOne);
}

TEST(FatalErrors, SubscriptAboveTheCountShowsErrorOne) {
  EXPECT_EQ(ExpectErrorBox(L"overflow", WideFromGbk("运行时出错!\r\n\r\n错误代码：1\r\n\r\n"
                                                    "错误信息：数组成员引用下标超出定义范围\r\n")),
            kMinusOne);
}

TEST(FatalErrors, AllocationFailureHasNoCodeLine) {
  EXPECT_EQ(ExpectErrorBox(L"allocation", WideFromGbk("运行时出错!\r\n\r\n错误信息：分配 -16 字节内存失败!\r\n")),
            kMinusOne);
}

TEST(FatalErrors, UnknownDllCommandNamesItsEntry) {
  EXPECT_EQ(ExpectErrorBox(L"dll", WideFromGbk("运行时出错!\r\n\r\n"
                                               "错误信息：无法找到指定DLL库文件中的输出命令“VoxletNoSuchExport”\r\n")),
            kMinusOne);
}

// The box shows on the worker; the clean-up, exit routines dropped, is the GUI
// thread's, which owns the exit routine list.
TEST(FatalErrors, AnErrorOnAWorkerThreadEndsTheProgramFromTheGuiThread) {
  EXPECT_EQ(ExpectErrorBox(L"worker-error", WideFromGbk("运行时出错!\r\n\r\n错误代码：4\r\n\r\n"
                                                        "错误信息：数组成员引用下标必须大于等于1\r\n")),
            kMinusOne);
}

TEST(ProgramEnd, NormalEndRunsTheExitRoutineOnceAndExitsZero) {
  TempFile marker(L"vx_marker");
  Program program(L"fatal_program.exe", L"normal \"" + marker.path() + L"\"");
  EXPECT_EQ(program.WaitForExit(), 0u);
  EXPECT_EQ(marker.Contents(), "exit\n");
}

TEST(ProgramEnd, ExitProgramEndsWithItsCodeAfterTheExitRoutine) {
  TempFile marker(L"vx_marker");
  Program program(L"fatal_program.exe", L"exit-code \"" + marker.path() + L"\"");
  EXPECT_EQ(program.WaitForExit(), 7u);
  EXPECT_EQ(marker.Contents(), "exit\n");
}

TEST(ProgramEnd, ExitFromAWorkerThreadIsHandedToTheGuiThread) {
  TempFile marker(L"vx_marker");
  Program program(L"fatal_program.exe", L"worker-exit \"" + marker.path() + L"\"");
  EXPECT_EQ(program.WaitForExit(), 5u);
  EXPECT_EQ(marker.Contents(), "exit\n");
}

}  // namespace
}  // namespace vx
