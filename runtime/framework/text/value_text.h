// The runtime's text forms of numbers and date-times, and the reading of such
// texts back: what the core's to-text command writes for numeric and date-time
// values, and what an edit box in a number or date input mode turns its text into
// when the focus leaves it. Pure: no platform headers, any input is safe.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vx {

// To text of an integer value of any width (byte, short, integer, long integer):
// base 10, a minus sign when negative.
std::string IntegerText(int64_t value);
// To text of a single-precision number: widened to double and written like "%.6g".
std::string SingleText(float value);
// To text of a double-precision number: written like "%.13g", so 50.0 gives "50"
// and 0.5 gives "0.5". Both number forms write infinities as "inf" and "-inf" and
// a NaN as "nan", the same on every platform.
std::string DoubleText(double value);

// A date-time value is a double counting days since 1899-12-30 00:00, the time of
// day its fraction. Before that day the fraction still counts forward from
// midnight: -1.25 is 1899-12-29 06:00.
struct DateTimeParts {
  int32_t year = 1899, month = 12, day = 30;
  int32_t hour = 0, minute = 0, second = 0;
  bool operator==(const DateTimeParts&) const = default;
};

// Dates run from 100-01-01 to 9999-12-31 (proleptic Gregorian calendar).
constexpr int32_t kFirstDateYear = 100;
constexpr int32_t kLastDateYear = 9999;

// The calendar date and time of a value, to the nearest second. A day outside the
// date range gives the nearest end day at 00:00; NaN gives the zero date.
DateTimeParts DateTimeOf(double value);
// The value of a date and time; nothing when the date is not a day of the
// calendar within the range or the time not one of a day.
std::optional<double> DateTimeValue(const DateTimeParts& parts);

// To text of a date-time value: "2024年3月5日", followed by "8时30分15秒" when the
// seconds are not zero, else "8时30分" when the minutes are not, else "8时" when
// the hour is not, else nothing.
std::string DateTimeText(double value);

// Reads a date with an optional time, surrounded by optional spaces. The date is
// year, month and day, separated by "-", "/" or "." (the same one twice) or
// written with "年" "月" and an optional "日"; the year has 3 or 4 digits. The
// time follows after spaces as "8:30" or "8:30:15", or (also without spaces)
// as "8时", "8时30分" or "8时30分15秒". So every text DateTimeText writes reads
// back to its value. Nothing for any other text or an impossible date or time.
std::optional<double> ParseDateTime(std::string_view text);

// The integer a text starts with, after optional spaces and a sign; 0 when it
// starts with none. Beyond the 64-bit range it stops at the nearest end.
int64_t IntegerOfText(std::string_view text);
// The decimal number a text starts with (optional spaces, sign, digits with a
// decimal point, an exponent); 0 when it starts with none. Always finite: beyond
// the double range it stops at the largest double, below it it is 0.
double NumberOfText(std::string_view text);

}  // namespace vx
