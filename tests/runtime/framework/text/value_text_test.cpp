// The runtime's text forms of numbers and date-times, and reading them back.
#include "runtime/framework/text/value_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <random>

namespace vx {
namespace {

TEST(ValueText, NumbersInTheRuntimesForms) {
  EXPECT_EQ(DoubleText(25 * 2.0), "50");
  EXPECT_EQ(DoubleText(7 * 5.0), "35");
  EXPECT_EQ(DoubleText(0.5), "0.5");
  EXPECT_EQ(DoubleText(1.0 / 3), "0.3333333333333");
  EXPECT_EQ(DoubleText(1e20), "1e+20");
  EXPECT_EQ(DoubleText(-2.5e-7), "-2.5e-07");
  EXPECT_EQ(SingleText(3.14159265f), "3.14159");
  EXPECT_EQ(SingleText(1234567.0f), "1.23457e+06");
  EXPECT_EQ(DoubleText(std::numeric_limits<double>::infinity()), "inf");
  EXPECT_EQ(DoubleText(-std::numeric_limits<double>::quiet_NaN()), "nan");
  EXPECT_EQ(IntegerText(INT64_MIN), "-9223372036854775808");
  EXPECT_EQ(IntegerText(255), "255");
}

TEST(ValueText, DateTimesWriteOnlyThePartsThatAreSet) {
  struct Case {
    DateTimeParts parts;
    const char* text;
  };
  const Case cases[] = {
      {{2024, 3, 5, 0, 0, 0}, "2024年3月5日"},
      {{2024, 3, 5, 8, 0, 0}, "2024年3月5日8时"},
      {{2024, 3, 5, 8, 30, 0}, "2024年3月5日8时30分"},
      {{2024, 3, 5, 0, 0, 15}, "2024年3月5日0时0分15秒"},
      {{1899, 12, 29, 6, 0, 0}, "1899年12月29日6时"},
      {{100, 1, 1, 0, 0, 0}, "100年1月1日"},
      {{2000, 2, 29, 23, 59, 59}, "2000年2月29日23时59分59秒"},
  };
  for (const Case& c : cases) {
    std::optional<double> value = DateTimeValue(c.parts);
    ASSERT_TRUE(value) << c.text;
    EXPECT_EQ(DateTimeText(*value), c.text);
    EXPECT_EQ(ParseDateTime(c.text), value) << c.text;
  }
  EXPECT_EQ(DateTimeValue({1899, 12, 30, 0, 0, 0}), 0.0);
  EXPECT_EQ(DateTimeValue({1899, 12, 29, 6, 0, 0}), -1.25);  // the time counts forward from midnight
  EXPECT_EQ(DateTimeValue({1900, 1, 1, 12, 0, 0}), 2.5);
}

TEST(ValueText, DateTimesOutsideTheRangeStopAtItsEnds) {
  EXPECT_EQ(DateTimeText(-1e9), "100年1月1日");
  EXPECT_EQ(DateTimeText(1e300), "9999年12月31日");
  EXPECT_EQ(DateTimeText(std::numeric_limits<double>::infinity()), "9999年12月31日");
  EXPECT_EQ(DateTimeText(std::nan("")), "1899年12月30日");
  EXPECT_EQ(DateTimeText(1.0 - 1e-9), "1899年12月31日");  // rounded to the second
}

TEST(ValueText, DatesAreReadInTheUsualForms) {
  double expected = *DateTimeValue({2024, 3, 5, 8, 30, 15});
  for (const char* text : {"2024-3-5 8:30:15", " 2024/03/05  08:30:15 ", "2024.3.5 8:30:15", "2024年3月5日8时30分15秒",
                           "2024年3月5日 8:30:15", "2024年3月5 8:30:15"}) {
    EXPECT_EQ(ParseDateTime(text), expected) << text;
  }
  EXPECT_EQ(ParseDateTime("2024-3-5"), DateTimeValue({2024, 3, 5, 0, 0, 0}));
  for (const char* text : {"", "abc", "2024", "2024-3", "2024-2-30", "2023-2-29", "2024-13-1", "2024-3-5 24:00",
                           "2024-3-5 8:60", "2024-3/5", "24-3-5", "99999-1-1", "2024-3-58:30", "2024-3-5 8",
                           "2024-3-5 8:30 x", "2024年3月5日8时30", "2024-003-5"}) {
    EXPECT_FALSE(ParseDateTime(text)) << text;
  }
}

TEST(ValueText, AnyWrittenDateTimeReadsBackToItsSecond) {
  std::mt19937_64 random(7);
  std::uniform_real_distribution<double> days(-657434.0, 2958465.99);
  for (int i = 0; i < 2000; ++i) {
    double value = days(random);
    DateTimeParts parts = DateTimeOf(value);
    std::optional<double> read = ParseDateTime(DateTimeText(value));
    ASSERT_TRUE(read) << DateTimeText(value);
    EXPECT_EQ(DateTimeOf(*read), parts) << DateTimeText(value);
  }
}

TEST(ValueText, TextsReadAsNumbersFromTheirStart) {
  EXPECT_EQ(IntegerOfText("  -42abc"), -42);
  EXPECT_EQ(IntegerOfText("+7"), 7);
  EXPECT_EQ(IntegerOfText("12.9"), 12);
  EXPECT_EQ(IntegerOfText("x1"), 0);
  EXPECT_EQ(IntegerOfText("-"), 0);
  EXPECT_EQ(IntegerOfText("99999999999999999999999"), INT64_MAX);
  EXPECT_EQ(IntegerOfText("-9223372036854775808"), INT64_MIN);
  EXPECT_EQ(IntegerOfText("-9223372036854775809"), INT64_MIN);
  EXPECT_EQ(NumberOfText(" 2.50kg"), 2.5);
  EXPECT_EQ(NumberOfText("-.5"), -0.5);
  EXPECT_EQ(NumberOfText("5."), 5.0);
  EXPECT_EQ(NumberOfText("1e3"), 1000.0);
  EXPECT_EQ(NumberOfText("1e"), 1.0);
  EXPECT_EQ(NumberOfText("-1e999"), -std::numeric_limits<double>::max());
  EXPECT_EQ(NumberOfText("0.000001e-999"), 0.0);
  EXPECT_EQ(NumberOfText("1000e-1000000000000"), 0.0);
  EXPECT_EQ(NumberOfText("0.0001e999"), std::numeric_limits<double>::max());
  EXPECT_FALSE(std::signbit(NumberOfText("-0")));
  for (const char* text : {"inf", "nan", ".", "-.", "e5", "0x10"}) EXPECT_EQ(NumberOfText(text), 0.0) << text;
}

}  // namespace
}  // namespace vx
