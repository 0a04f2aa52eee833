#include "runtime/framework/gbk.h"

#include <gtest/gtest.h>

namespace vx {
namespace {

TEST(GbkText, ConvertsWithCodePage936WhateverTheSystemLocale) {
  // "中文" is D6 D0 CE C4 in GBK, U+4E2D U+6587 in UTF-16.
  EXPECT_EQ(WideFromGbk("\xD6\xD0\xCE\xC4"), std::wstring(L"\u4E2D\u6587"));
  EXPECT_EQ(GbkFromWide(L"\u4E2D\u6587"), "\xD6\xD0\xCE\xC4");
  EXPECT_EQ(GbkFromWide(WideFromGbk("音量: 50%")), "音量: 50%");
}

TEST(GbkText, EmptyAndNullConvertToEmpty) {
  EXPECT_TRUE(WideFromGbk(static_cast<const char*>(nullptr)).empty());
  EXPECT_TRUE(WideFromGbk("").empty());
  EXPECT_TRUE(GbkFromWide(nullptr).empty());
}

TEST(GbkText, FullWidthPunctuationRoundTrips) {
  const char* text = "错误代码：4，“引号”　全角空格";
  EXPECT_EQ(GbkFromWide(WideFromGbk(text).c_str()), text);
}

}  // namespace
}  // namespace vx
