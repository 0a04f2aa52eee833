#include "units/unit_base/unit_font.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "tests/units/unit_base/test_windows.h"
#include "units/unit_base/unit_logfont.h"

namespace vx {
namespace {

// A Font value as the template stores it: the 60-byte ANSI LOGFONT with the
// fields a unit overrides set to something else.
std::vector<uint8_t> FontValue(int32_t height, int32_t weight, const char* gbkFace) {
  StoredFont stored{};
  stored.height = height;
  stored.weight = weight;
  stored.underline = 1;
  stored.charSet = 134;  // GB2312_CHARSET
  stored.outPrecision = OUT_TT_ONLY_PRECIS;
  stored.clipPrecision = CLIP_LH_ANGLES;
  stored.quality = ANTIALIASED_QUALITY;
  stored.pitchAndFamily = FIXED_PITCH | FF_MODERN;
  std::memcpy(stored.faceName, gbkFace, std::min(std::strlen(gbkFace), sizeof stored.faceName));
  std::vector<uint8_t> value(sizeof stored);
  std::memcpy(value.data(), &stored, sizeof stored);
  return value;
}

HFONT DefaultGuiFont() { return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)); }

TEST(UnitFont, SixtyBytesGiveAFontWithTheForcedFields) {
  UnitFont font;
  HFONT made = font.Make(FontValue(-16, 700, "宋体"));
  ASSERT_NE(made, nullptr);
  EXPECT_NE(made, DefaultGuiFont());
  EXPECT_EQ(font.handle(), made);

  LOGFONTW info{};
  ASSERT_EQ(GetObjectW(made, sizeof info, &info), static_cast<int>(sizeof info));
  EXPECT_EQ(info.lfHeight, -16);
  EXPECT_EQ(info.lfWeight, 700);
  EXPECT_EQ(info.lfUnderline, 1);
  EXPECT_EQ(info.lfCharSet, DEFAULT_CHARSET);
  EXPECT_EQ(info.lfOutPrecision, 0);
  EXPECT_EQ(info.lfClipPrecision, 0);
  EXPECT_EQ(info.lfQuality, PROOF_QUALITY);
  EXPECT_EQ(info.lfPitchAndFamily, 0);
  EXPECT_STREQ(info.lfFaceName, L"\u5B8B\u4F53");  // the GBK face name, in UTF-16
}

TEST(UnitFont, OtherLengthsGiveTheDefaultGuiFont) {
  UnitFont font;
  EXPECT_EQ(font.handle(), DefaultGuiFont());
  std::vector<uint8_t> value = FontValue(-12, 400, "Arial");
  EXPECT_EQ(font.Make(std::span(value).first(59)), DefaultGuiFont());
  EXPECT_EQ(font.Make({}), DefaultGuiFont());
  value.push_back(0);
  EXPECT_EQ(font.Make(value), DefaultGuiFont());
  EXPECT_EQ(font.handle(), DefaultGuiFont());
}

TEST(UnitFont, PreviousFontIsDeletedAndSoIsTheLastOne) {
  HFONT second;
  {
    UnitFont font;
    HFONT first = font.Make(FontValue(-12, 400, "Arial"));
    EXPECT_EQ(GetObjectType(first), static_cast<DWORD>(OBJ_FONT));
    EXPECT_EQ(font.Make({}), DefaultGuiFont());
    EXPECT_EQ(GetObjectType(first), 0u);
    second = font.Make(FontValue(-20, 400, "Arial"));
    EXPECT_EQ(GetObjectType(second), static_cast<DWORD>(OBJ_FONT));
  }
  EXPECT_EQ(GetObjectType(second), 0u);
  // The stock font is never deleted.
  EXPECT_EQ(GetObjectType(DefaultGuiFont()), static_cast<DWORD>(OBJ_FONT));
}

class UnitFontOnControl : public test::WindowsFixture {};

TEST_F(UnitFontOnControl, ApplyHandsTheFontToTheControl) {
  HWND edit = Child(L"EDIT", 0);
  ASSERT_NE(edit, nullptr);
  UnitFont font;
  font.Apply(edit, FontValue(-14, 400, "Arial"));
  EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageW(edit, WM_GETFONT, 0, 0)), font.handle());
  font.Apply(edit, {});
  EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageW(edit, WM_GETFONT, 0, 0)), DefaultGuiFont());
}

}  // namespace
}  // namespace vx
