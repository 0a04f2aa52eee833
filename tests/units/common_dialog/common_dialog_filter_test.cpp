#include "units/common_dialog/common_dialog_filter.h"

#include <gtest/gtest.h>

namespace vx {
namespace {

using namespace std::string_literals;

TEST(CommonDialogFilter, PairsEndInTwoStringEndsAfterTrailingSpacesGo) {
  struct Case {
    std::wstring filter, expected;
  };
  const Case cases[] = {
      {L"声音文件格式(*.wav)|*.wav", L"声音文件格式(*.wav)\0*.wav\0\0"s},
      {L"声音文件格式(*.wav)|*.wav \t ", L"声音文件格式(*.wav)\0*.wav\0\0"s},
      {L"A|*.a|B|*.b||", L"A\0*.a\0B\0*.b\0\0"s},
      {L"A|*.a|", L"A\0*.a\0\0\0"s},
      {L"   ", L""},
      {L"", L""},
  };
  for (const Case& c : cases) EXPECT_EQ(DialogFilter(c.filter), c.expected) << c.filter.size();
}

TEST(CommonDialogFilter, TheInitialFilterCountsFromOneAndIsNoneWithoutAFilter) {
  EXPECT_EQ(InitialFilterIndex(0, true), 1u);
  EXPECT_EQ(InitialFilterIndex(2, true), 3u);
  EXPECT_EQ(InitialFilterIndex(-3, true), 1u);
  EXPECT_EQ(InitialFilterIndex(2, false), 0u);
}

}  // namespace
}  // namespace vx
