#include "units/unit_base/unit_logfont.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace vx {
namespace {

// A stored LOGFONT written byte by byte as the 32-bit ANSI API lays it out.
std::vector<uint8_t> LogFontBytes(int32_t height, int32_t weight, std::string_view face) {
  std::vector<uint8_t> bytes(60, 0);
  auto put32 = [&](size_t at, int32_t v) {
    for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<uint8_t>(static_cast<uint32_t>(v) >> (8 * i));
  };
  put32(0, height);
  put32(4, 3);    // width
  put32(8, 10);   // escapement
  put32(12, 20);  // orientation
  put32(16, weight);
  bytes[20] = 1;     // italic
  bytes[21] = 0;     // underline
  bytes[22] = 1;     // strike-out
  bytes[23] = 134;   // GB2312_CHARSET
  bytes[24] = 3;     // out precision
  bytes[25] = 2;     // clip precision
  bytes[26] = 5;     // quality
  bytes[27] = 0x31;  // pitch and family
  std::memcpy(&bytes[28], face.data(), std::min<size_t>(face.size(), 32));
  return bytes;
}

TEST(StoredFont, SixtyBytesGiveTheStoredFontWithForcedFields) {
  std::vector<uint8_t> value = LogFontBytes(-12, 700, "宋体");
  std::optional<StoredFont> font = UnitLogFont(value);
  ASSERT_TRUE(font);
  EXPECT_EQ(font->height, -12);
  EXPECT_EQ(font->width, 3);
  EXPECT_EQ(font->escapement, 10);
  EXPECT_EQ(font->orientation, 20);
  EXPECT_EQ(font->weight, 700);
  EXPECT_EQ(font->italic, 1);
  EXPECT_EQ(font->underline, 0);
  EXPECT_EQ(font->strikeOut, 1);
  EXPECT_EQ(font->charSet, 1);
  EXPECT_EQ(font->outPrecision, 0);
  EXPECT_EQ(font->clipPrecision, 0);
  EXPECT_EQ(font->quality, 2);
  EXPECT_EQ(font->pitchAndFamily, 0);
  EXPECT_EQ(FaceName(*font), "宋体");
}

TEST(StoredFont, AnyOtherLengthGivesNoFont) {
  std::vector<uint8_t> value = LogFontBytes(-12, 400, "Arial");
  EXPECT_FALSE(UnitLogFont({}));
  EXPECT_FALSE(UnitLogFont(std::span(value).first(59)));
  value.push_back(0);
  EXPECT_FALSE(UnitLogFont(value));
  EXPECT_FALSE(UnitLogFont(std::vector<uint8_t>(92, 0)));  // a wide LOGFONT is not the stored form
}

TEST(StoredFont, FaceNameNeverReadsPastItsThirtyTwoBytes) {
  std::string full(32, 'F');
  std::optional<StoredFont> font = UnitLogFont(LogFontBytes(0, 0, full));
  ASSERT_TRUE(font);
  EXPECT_EQ(FaceName(*font), full);
}

}  // namespace
}  // namespace vx
