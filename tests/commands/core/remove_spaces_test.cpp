#include "commands/core/remove_spaces.h"

#include <gtest/gtest.h>

namespace vx {
namespace {

TEST(RemoveAllSpaces, AsciiAndFullWidthSpacesGoEverythingElseStays) {
  const struct {
    std::string text;
    std::string kept;
  } cases[] = {
      {"\xA1\xA1 a\xA1\xA1"
       "b ",
       "ab"},
      {"   \xA1\xA1", ""},
      {"\r\n\t", "\r\n\t"},
      {"你 好", "你好"},
      {"\xA1\xA2\xA1", "\xA1\xA2"},  // a cut double-byte character at the end goes
      {"a\xA1\xA1\xA1\xA1"
       "c",
       "ac"},
  };
  for (const auto& c : cases) EXPECT_EQ(WithoutSpaces(c.text), c.kept) << c.text;
}

}  // namespace
}  // namespace vx
