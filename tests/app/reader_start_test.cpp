// voxlet.exe itself, started as a user starts it: the reader window comes up
// centred with its caption, and closing it ends the program cleanly.
#include <gtest/gtest.h>
#include <windows.h>

#include "runtime/framework/gbk.h"
#include "tests/support/process_driver.h"

namespace vx {
namespace {

// A visible top-level window of the process whose caption is `caption`.
struct Query {
  DWORD processId;
  const std::wstring* caption;
  HWND found;
};

BOOL CALLBACK MatchCaption(HWND window, LPARAM lParam) {
  auto* query = reinterpret_cast<Query*>(lParam);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner == query->processId && IsWindowVisible(window) && test::TextOf(window) == *query->caption) {
    query->found = window;
    return FALSE;
  }
  return TRUE;
}

HWND WaitForCaption(const test::Program& program, const std::wstring& caption) {
  for (int tries = 0; tries < 1000; ++tries) {
    Query query = {program.id(), &caption, nullptr};
    EnumWindows(MatchCaption, reinterpret_cast<LPARAM>(&query));
    if (query.found) return query.found;
    Sleep(20);
  }
  return nullptr;
}

TEST(ReaderStart, TheWindowOpensCentredAndClosingItEndsWithZero) {
  test::Program program(L"..\\voxlet.exe", L"");
  HWND window = WaitForCaption(program, L"Voxlet");
  ASSERT_NE(window, nullptr) << "no window captioned Voxlet";
  RECT rect;
  GetWindowRect(window, &rect);
  EXPECT_EQ(rect.right - rect.left, 321);
  EXPECT_EQ(rect.bottom - rect.top, 398);
  EXPECT_EQ(rect.left, (GetSystemMetrics(SM_CXSCREEN) - 321) / 2);
  EXPECT_EQ(rect.top, (GetSystemMetrics(SM_CYSCREEN) - 398) / 2);
  PostMessageW(window, WM_CLOSE, 0, 0);
  EXPECT_EQ(program.WaitForExit(), 0u);
}

}  // namespace
}  // namespace vx
