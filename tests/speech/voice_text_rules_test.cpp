#include "speech/voice_text_rules.h"

#include <gtest/gtest.h>

namespace vx {
namespace {

TEST(LanguageValueName, IsUpperCaseHexWithoutLeadingZeros) {
  EXPECT_EQ(LanguageValueName(0x0804), L"804");
  EXPECT_EQ(LanguageValueName(0x0409), L"409");
  EXPECT_EQ(LanguageValueName(0x0C0A), L"C0A");
  EXPECT_EQ(LanguageValueName(0), L"0");
}

TEST(LowerAsciiGbk, LowersAsciiLettersOnly) {
  EXPECT_EQ(LowerAsciiGbk("Microsoft CHINESE 中文"), "microsoft chinese 中文");
  // A double-byte character whose trail byte has the value of 'Z' keeps it.
  EXPECT_EQ(LowerAsciiGbk("\x81\x5A"
                          "A"),
            "\x81\x5A"
            "a");
}

TEST(ContainsGbk, MatchesOnlyAtCharacterStarts) {
  EXPECT_TRUE(ContainsGbk("abc中文", "中文"));
  // B0 D6 is one character and D0 CE the next: "中" (D6 D0) is not in it.
  EXPECT_FALSE(ContainsGbk("\xB0\xD6\xD0\xCE", "\xD6\xD0"));
  EXPECT_TRUE(ContainsGbk("\xB0\xD6\xD6\xD0\xCE\xC4", "中文"));
  EXPECT_FALSE(ContainsGbk("chines", "chinese"));
}

TEST(DescribesChineseVoice, FindsChineseInAnyCaseOrTheChineseWord) {
  EXPECT_TRUE(DescribesChineseVoice("Microsoft Simplified CHINESE"));
  EXPECT_TRUE(DescribesChineseVoice("Chinese (Taiwan)"));
  EXPECT_TRUE(DescribesChineseVoice("eSpeak NG 中文（普通话）"));
  EXPECT_FALSE(DescribesChineseVoice("English voice"));
  EXPECT_FALSE(DescribesChineseVoice("中国"));
  EXPECT_FALSE(DescribesChineseVoice(""));
}

}  // namespace
}  // namespace vx
