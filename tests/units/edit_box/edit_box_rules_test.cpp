// The edit box's pure rules: its control styles, and what its input modes and its
// automatic spin do to a text.
#include <gtest/gtest.h>

#include "runtime/framework/archive_writer.h"
#include "units/edit_box/edit_box_input.h"
#include "units/edit_box/edit_box_styles.h"

namespace vx {
namespace {

TEST(EditBoxRules, StylesFollowTheProperties) {
  struct Case {
    EditBoxData data;
    uint32_t style;
  };
  constexpr uint32_t kBase = 0x44000000;  // WS_CHILD | WS_CLIPSIBLINGS
  const Case cases[] = {
      {{}, kBase | 0x0080},  // single line scrolls sideways
      {{.hideSelection = 0, .alignment = 2}, kBase | 0x0080 | 0x0100 | 0x0002},
      {{.multiLine = 1}, kBase | 0x0004 | 0x0040 | 0x1000},  // wraps its lines
      {{.multiLine = 1, .scrollBars = 1}, kBase | 0x0004 | 0x0040 | 0x1000 | 0x0080 | 0x00100000},
      {{.multiLine = 1, .scrollBars = 3}, kBase | 0x0004 | 0x0040 | 0x1000 | 0x0080 | 0x00300000},
      {{.multiLine = 1, .scrollBars = 2, .alignment = 1}, kBase | 0x0004 | 0x0040 | 0x1000 | 0x00200000 | 0x0001},
      {{.inputMode = 1, .letterCase = 1}, kBase | 0x0080 | 0x0800 | 0x0010},
      {{.inputMode = 2, .letterCase = 2}, kBase | 0x0080 | 0x0020 | 0x0008},
  };
  for (const Case& c : cases) EXPECT_EQ(EditBoxStyle(c.data), c.style) << std::hex << c.style;
}

TEST(EditBoxRules, TheStoredFormIsVersion2AndReadsVersion1WithoutTheDataBinding) {
  EditBoxData data{.content = "正文", .passwordChar = "#", .spinMaximum = 50, .dataSource = "源"};
  Bytes stored = StoreProperties(data);
  EditBoxData read;
  ASSERT_TRUE(LoadProperties(read, stored));
  EXPECT_EQ(read.content, "正文");
  EXPECT_EQ(read.passwordChar, "#");
  EXPECT_EQ(read.spinMaximum, 50);
  EXPECT_EQ(read.dataSource, "源");
  // Version 1: the same fields up to the content. Version 3 is unknown.
  ArchiveWriter older;
  older.U32(1);
  for (int32_t value : {1, 0, 0xFFFFFF, 1, 0, 1, 0, 0, 0}) older.I32(value);  // Border .. InputMode
  older.U16('*');
  for (int32_t value : {0, 0, 0, 100, 0, 0}) older.I32(value);  // LetterCase .. SelLength
  older.Block({}).Text("旧");
  ASSERT_TRUE(LoadProperties(read, older.bytes()));
  EXPECT_EQ(read.multiLine, 1);
  EXPECT_EQ(read.content, "旧");
  EXPECT_EQ(read.dataSource, "");
  stored[0] = 3;
  EXPECT_FALSE(LoadProperties(read, stored));
}

TEST(EditBoxRules, EachModeTakesItsCharacters) {
  // What typing "a-1.5" and a Chinese character leaves in a box of each mode.
  const char* kept[input_mode::kCount] = {"a-1.5中", "a-1.5中", "a-1.5中", "-15",  "-1.5", "15",
                                          "-15",     "-15",     "-15",     "-1.5", "-1.5", "a-1.5中"};
  const std::u16string typed = u"a-1.5\u4E2D";
  for (int32_t mode = 0; mode < input_mode::kCount; ++mode) {
    std::string result;
    for (char16_t c : typed) {
      if (AcceptsTypedCharacter(mode, c)) result += c == u'\u4E2D' ? std::string("中") : std::string(1, char(c));
    }
    EXPECT_EQ(result, kept[mode]) << mode;
    EXPECT_TRUE(AcceptsTypedCharacter(mode, '\b')) << mode;
  }
}

TEST(EditBoxRules, LeavingTheFocusRewritesNumbersAndDates) {
  struct Case {
    int32_t mode;
    const char* text;
    const char* result;  // null: left alone
  };
  const Case cases[] = {
      {0, "300", nullptr},
      {4, "1.50", nullptr},
      {5, "300", "255"},
      {5, "0", ""},
      {5, "-7", ""},
      {5, "12abc", "12"},
      {6, "-40000", "-32768"},
      {7, "99999999999", "2147483647"},
      {8, "-99999999999999999999", "-9223372036854775808"},
      {9, "3.14159265", "3.14159"},
      {9, "1e60", "3.40282e+38"},
      {9, "-1e-60", ""},
      {10, "2.50", "2.5"},
      {10, "0.0", ""},
      {10, "abc", ""},
      {11, "2024-3-5 8:30", "2024年3月5日8时30分"},
      {11, "1899-12-30", ""},
      {11, "明天", ""},
  };
  for (const Case& c : cases) {
    std::optional<std::string> result = NormalisedText(c.mode, c.text);
    if (!c.result) {
      EXPECT_FALSE(result) << c.mode << " " << c.text;
    } else {
      EXPECT_EQ(result, c.result) << c.mode << " " << c.text;
    }
  }
}

TEST(EditBoxRules, TheAutomaticSpinWrapsRound) {
  EXPECT_EQ(SpinStep(100, 0, 100, true), 0);
  EXPECT_EQ(SpinStep(0, 100, 0, false), 100);  // the ends in either order
  EXPECT_EQ(SpinStep(41, 0, 100, true), 42);
  EXPECT_EQ(SpinStep(41, 0, 100, false), 40);
  EXPECT_EQ(SpinStep(-1, 0, 100, true), 0);
  EXPECT_EQ(SpinStep(500, 0, 100, false), 100);
  EXPECT_EQ(SpinStep(INT64_MAX, INT32_MIN, INT32_MAX, true), INT32_MIN);
}

}  // namespace
}  // namespace vx
