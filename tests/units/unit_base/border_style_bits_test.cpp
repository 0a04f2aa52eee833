#include "units/unit_base/border_style.h"

#include <gtest/gtest.h>

namespace vx {
namespace {

void ExpectBits(int32_t borderStyle, uint32_t style, uint32_t exStyle) {
  BorderBits bits = BorderStyleBits(borderStyle);
  EXPECT_EQ(bits.style, style) << borderStyle;
  EXPECT_EQ(bits.exStyle, exStyle) << borderStyle;
}

TEST(BorderStyleBits, EachStyleHasItsBits) {
  ExpectBits(0, 0, 0);
  ExpectBits(1, 0, 0x200);       // sunken: WS_EX_CLIENTEDGE
  ExpectBits(2, 0, 0x1);         // raised: WS_EX_DLGMODALFRAME
  ExpectBits(3, 0, 0x20000);     // thin sunken: WS_EX_STATICEDGE
  ExpectBits(4, 0, 0x201);       // mirror
  ExpectBits(5, 0x00800000, 0);  // single line: WS_BORDER
}

TEST(BorderStyleBits, ValuesOutsideTheListAreClamped) {
  ExpectBits(-3, 0, 0);
  ExpectBits(6, 0x00800000, 0);
  ExpectBits(100, 0x00800000, 0);
}

TEST(BorderStyleBits, MasksCoverEveryStylesBits) {
  EXPECT_EQ(kBorderStyleMask, 0x00800000u);
  EXPECT_EQ(kBorderExStyleMask, 0x00020201u);
  for (int32_t value = 0; value < border_style::kCount; ++value) {
    BorderBits bits = BorderStyleBits(value);
    EXPECT_EQ(bits.style & ~kBorderStyleMask, 0u);
    EXPECT_EQ(bits.exStyle & ~kBorderExStyleMask, 0u);
  }
}

}  // namespace
}  // namespace vx
