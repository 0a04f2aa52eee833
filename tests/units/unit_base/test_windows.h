// Real windows of the system's classes for the unit base tests: a hidden
// top-level parent and controls inside it, destroyed with the fixture.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

namespace vx::test {

class WindowsFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    parent_ = CreateWindowExW(0, L"STATIC", L"parent", WS_OVERLAPPED, 0, 0, 400, 300, nullptr, nullptr,
                              GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(parent_, nullptr);
  }
  void TearDown() override {
    if (parent_) DestroyWindow(parent_);
  }

  HWND Child(const wchar_t* className, DWORD style, int width = 100, int height = 50) {
    return CreateWindowExW(0, className, L"", WS_CHILD | WS_CLIPSIBLINGS | style, 10, 10, width, height, parent_,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(100)), GetModuleHandleW(nullptr), nullptr);
  }

  HWND parent_ = nullptr;
};

}  // namespace vx::test
