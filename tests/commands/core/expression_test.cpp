#include "commands/core/expression.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "runtime/heap.h"
#include "runtime/runtime_error.h"
#include "tests/support/raised_error.h"

namespace vx {
namespace {

// What compiled code hands the expression support: the runtime's heap and its
// numbered errors (which the tests see as exceptions).
RuntimeHelperTable Runtime() {
  RuntimeHelperTable table = {};
  table.reportRuntimeError = ReportRuntimeError;
  table.allocate = Allocate;
  return table;
}

TEST(JoinTexts, JoinsInOrderWithNullAsEmpty) {
  const char* pieces[] = {"音量: ", nullptr, "50", "%"};
  char* joined = JoinTexts(Runtime(), 4, pieces);
  EXPECT_STREQ(joined, "音量: 50%");
  Free(joined);
}

TEST(JoinTexts, AllEmptyStillGivesAnOwnedBlock) {
  const char* pieces[] = {nullptr, ""};
  char* joined = JoinTexts(Runtime(), 2, pieces);
  ASSERT_NE(joined, nullptr);
  EXPECT_EQ(*joined, '\0');
  Free(joined);
}

TEST(CompareTexts, NullAndEmptyAreEqualAndSmallerThanAnything) {
  EXPECT_EQ(CompareTexts(nullptr, ""), 0);
  EXPECT_EQ(CompareTexts(nullptr, "a"), -1);
  EXPECT_EQ(CompareTexts("a", ""), 1);
}

TEST(CompareTexts, BytesCompareUnsigned) {
  EXPECT_EQ(CompareTexts("abc", "abc"), 0);
  EXPECT_EQ(CompareTexts("ab", "abc"), -1);
  EXPECT_EQ(CompareTexts("b", "abc"), 1);
  // GBK lead bytes are above 0x80 and sort after ASCII.
  EXPECT_EQ(CompareTexts("中", "z"), 1);
  EXPECT_EQ(CompareTexts("z", "中"), -1);
}

TEST(Truncate, GoesTowardZero) {
  EXPECT_EQ(TruncateToInt64(2.9), 2);
  EXPECT_EQ(TruncateToInt64(-2.9), -2);
  EXPECT_EQ(TruncateToInt64(50.0), 50);
  EXPECT_EQ(TruncateToInt64(-0.5), 0);
  EXPECT_EQ(TruncateToInt64(4294967296.5), 4294967296LL);
}

TEST(Truncate, UnrepresentableValuesGiveIntegerIndefinite) {
  EXPECT_EQ(TruncateToInt64(std::numeric_limits<double>::quiet_NaN()), INT64_MIN);
  EXPECT_EQ(TruncateToInt64(1e19), INT64_MIN);
  EXPECT_EQ(TruncateToInt64(-1e19), INT64_MIN);
  EXPECT_EQ(TruncateToInt64(std::numeric_limits<double>::infinity()), INT64_MIN);
  EXPECT_EQ(TruncateToInt64(-9223372036854775808.0), INT64_MIN);
}

TEST(Subscripts, ElementCountMultipliesDimensions) {
  int32_t cube[] = {3, 2, 3, 4};
  EXPECT_EQ(ElementCount(cube), 24);
}

TEST(Subscripts, BelowOneIsErrorFourAboveCountIsErrorOne) {
  EXPECT_NO_THROW(CheckSubscript(Runtime(), 1, 3));
  EXPECT_NO_THROW(CheckSubscript(Runtime(), 3, 3));
  try {
    CheckSubscript(Runtime(), 0, 3);
    FAIL();
  } catch (const test::RaisedError& error) {
    EXPECT_EQ(error.code, 4);
    EXPECT_EQ(error.message, "数组成员引用下标必须大于等于1");
  }
  try {
    CheckSubscript(Runtime(), 4, 3);
    FAIL();
  } catch (const test::RaisedError& error) {
    EXPECT_EQ(error.code, 1);
  }
  // An empty array has no valid subscript at all; below 1 is checked first.
  EXPECT_THROW(CheckSubscript(Runtime(), 1, 0), test::RaisedError);
  try {
    CheckSubscript(Runtime(), -1, 0);
  } catch (const test::RaisedError& error) {
    EXPECT_EQ(error.code, 4);
  }
}

}  // namespace
}  // namespace vx
