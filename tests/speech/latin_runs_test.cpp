#include "speech/platform/espeak/latin_runs.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace vx {
namespace {

// Each run as its text and a language letter: 'e' English, 'm' Mandarin.
std::vector<std::pair<std::wstring, char>> Runs(const std::wstring& text) {
  std::vector<std::pair<std::wstring, char>> out;
  for (const TextRun& run : SplitLatinRuns(text)) {
    out.emplace_back(text.substr(run.begin, run.length), run.language == RunLanguage::kEnglish ? 'e' : 'm');
  }
  return out;
}

using R = std::vector<std::pair<std::wstring, char>>;

TEST(LatinRunsTest, MixedTextAlternatesInOrder) {
  EXPECT_EQ(Runs(L"Hello 你好 world 世界"),
            (R{{L"Hello", 'e'}, {L" 你好 ", 'm'}, {L"world", 'e'}, {L" 世界", 'm'}}));
}

TEST(LatinRunsTest, PureTextsAreOneRun) {
  EXPECT_EQ(Runs(L"你好，世界"), (R{{L"你好，世界", 'm'}}));
  EXPECT_EQ(Runs(L"Hello world"), (R{{L"Hello world", 'e'}}));
  EXPECT_TRUE(Runs(L"").empty());
}

TEST(LatinRunsTest, AsciiBetweenLettersStaysEnglish) {
  EXPECT_EQ(Runs(L"我说Hello, it's me.好的"), (R{{L"我说", 'm'}, {L"Hello, it's me", 'e'}, {L".好的", 'm'}}));
}

TEST(LatinRunsTest, DigitsAndBlanksAroundLatinGoToMandarin) {
  EXPECT_EQ(Runs(L" 2024年iPhone 15发布"),
            (R{{L" 2024年", 'm'}, {L"iPhone", 'e'}, {L" 15发布", 'm'}}));
}

TEST(LatinRunsTest, AccentedLatinLettersCountAsLatin) {
  EXPECT_EQ(Runs(L"咖啡café很好"), (R{{L"咖啡", 'm'}, {L"café", 'e'}, {L"很好", 'm'}}));
}

TEST(LatinRunsTest, FullWidthPunctuationSeparatesEnglishRuns) {
  EXPECT_EQ(Runs(L"A。B"), (R{{L"A", 'e'}, {L"。", 'm'}, {L"B", 'e'}}));
}

}  // namespace
}  // namespace vx
