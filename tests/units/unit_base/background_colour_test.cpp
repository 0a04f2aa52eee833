#include "units/unit_base/background_colour.h"

#include <gtest/gtest.h>

namespace vx {
namespace {

COLORREF BrushColour(HBRUSH brush) {
  LOGBRUSH info{};
  EXPECT_EQ(GetObjectW(brush, sizeof info, &info), static_cast<int>(sizeof info));
  EXPECT_EQ(info.lbStyle, static_cast<UINT>(BS_SOLID));
  return info.lbColor;
}

TEST(BackgroundColour, ButtonFaceValueBecomesTheSystemColour) {
  EXPECT_EQ(PaintColour(0xFF000000), GetSysColor(COLOR_BTNFACE));
}

TEST(BackgroundColour, OtherValuesAreRgbAsGiven) {
  EXPECT_EQ(PaintColour(0x00FFFFFF), RGB(255, 255, 255));
  EXPECT_EQ(PaintColour(0x00000000), RGB(0, 0, 0));
  EXPECT_EQ(PaintColour(0x00123456), static_cast<COLORREF>(0x00123456));
}

TEST(BackgroundColour, BrushPaintsTheResolvedColour) {
  UnitBrush brush;
  EXPECT_EQ(brush.handle(), nullptr);
  ASSERT_NE(brush.Make(0xFF000000), nullptr);
  EXPECT_EQ(BrushColour(brush.handle()), GetSysColor(COLOR_BTNFACE));
  ASSERT_NE(brush.Make(0x00FFFFFF), nullptr);
  EXPECT_EQ(BrushColour(brush.handle()), RGB(255, 255, 255));
}

TEST(BackgroundColour, BrushDeletesWhatItReplacesAndHolds) {
  HBRUSH last;
  {
    UnitBrush brush;
    HBRUSH first = brush.Make(0x000000FF);
    last = brush.Make(0x0000FF00);
    EXPECT_EQ(GetObjectType(first), 0u);
    EXPECT_EQ(GetObjectType(last), static_cast<DWORD>(OBJ_BRUSH));
  }
  EXPECT_EQ(GetObjectType(last), 0u);
}

}  // namespace
}  // namespace vx
