#include "units/unit_base/apply_border_style.h"

#include <gtest/gtest.h>

#include "tests/units/unit_base/test_windows.h"

namespace vx {
namespace {

class ApplyBorderStyleTest : public test::WindowsFixture {
 protected:
  DWORD Style(HWND w) { return static_cast<DWORD>(GetWindowLongPtrW(w, GWL_STYLE)); }
  DWORD ExStyle(HWND w) { return static_cast<DWORD>(GetWindowLongPtrW(w, GWL_EXSTYLE)); }
  static constexpr DWORD kExBorderBits = WS_EX_DLGMODALFRAME | WS_EX_CLIENTEDGE | WS_EX_STATICEDGE;
};

TEST_F(ApplyBorderStyleTest, EachValueSetsItsBitsAndClearsTheOthers) {
  HWND edit = Child(L"EDIT", ES_AUTOHSCROLL);
  ASSERT_NE(edit, nullptr);
  const struct {
    int32_t value;
    DWORD style;
    DWORD exStyle;
  } cases[] = {
      {5, WS_BORDER, 0},           {1, 0, WS_EX_CLIENTEDGE},
      {2, 0, WS_EX_DLGMODALFRAME}, {4, 0, WS_EX_CLIENTEDGE | WS_EX_DLGMODALFRAME},
      {3, 0, WS_EX_STATICEDGE},    {0, 0, 0},
  };
  for (const auto& c : cases) {
    ApplyBorderStyle(edit, c.value);
    EXPECT_EQ(Style(edit) & WS_BORDER, c.style) << c.value;
    EXPECT_EQ(ExStyle(edit) & kExBorderBits, c.exStyle) << c.value;
    // The control's own bits stay.
    EXPECT_EQ(Style(edit) & (WS_CHILD | WS_CLIPSIBLINGS | ES_AUTOHSCROLL),
              static_cast<DWORD>(WS_CHILD | WS_CLIPSIBLINGS | ES_AUTOHSCROLL));
  }
}

TEST_F(ApplyBorderStyleTest, ValuesAreClampedToZeroToFive) {
  HWND label = Child(L"STATIC", 0);
  ASSERT_NE(label, nullptr);
  ApplyBorderStyle(label, 9);
  EXPECT_EQ(Style(label) & WS_BORDER, static_cast<DWORD>(WS_BORDER));
  EXPECT_EQ(ExStyle(label) & kExBorderBits, 0u);
  ApplyBorderStyle(label, -1);
  EXPECT_EQ(Style(label) & WS_BORDER, 0u);
  EXPECT_EQ(ExStyle(label) & kExBorderBits, 0u);
}

TEST_F(ApplyBorderStyleTest, FrameIsRecomputedAtOnce) {
  HWND label = Child(L"STATIC", 0, 100, 50);
  ASSERT_NE(label, nullptr);
  RECT client;
  GetClientRect(label, &client);
  EXPECT_EQ(client.right, 100);
  ApplyBorderStyle(label, 1);
  GetClientRect(label, &client);
  EXPECT_EQ(client.right, 100 - 2 * GetSystemMetrics(SM_CXEDGE));
  EXPECT_EQ(client.bottom, 50 - 2 * GetSystemMetrics(SM_CYEDGE));
  ApplyBorderStyle(label, 0);
  GetClientRect(label, &client);
  EXPECT_EQ(client.right, 100);
  EXPECT_EQ(client.bottom, 50);
}

}  // namespace
}  // namespace vx
