#include "runtime/framework/text/value_text.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace vx {
namespace {

// Day numbers of the date range's ends, counted from 1899-12-30.
constexpr int64_t kFirstDay = -657434;  // 100-01-01
constexpr int64_t kLastDay = 2958465;   // 9999-12-31
constexpr int64_t kSecondsPerDay = 86400;
// 1899-12-30 counted from 1970-01-01.
constexpr int64_t kDayZeroFromEpoch = -25569;

// "%.<precision>g" in the C locale, whatever the platform's printf does with
// exponents and special values.
std::string GeneralText(double value, int precision) {
  if (std::isnan(value)) return "nan";
  char buffer[64];
  std::to_chars_result written =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, precision);
  return std::string(buffer, written.ptr);
}

// Days since 1970-01-01 of a date, and back (proleptic Gregorian).
int64_t DaysFromCivil(int64_t year, int64_t month, int64_t day) {
  year -= month <= 2 ? 1 : 0;
  int64_t era = (year >= 0 ? year : year - 399) / 400;
  int64_t yearOfEra = year - era * 400;
  int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + dayOfEra - 719468;
}

void CivilFromDays(int64_t days, DateTimeParts& parts) {
  days += 719468;
  int64_t era = (days >= 0 ? days : days - 146096) / 146097;
  int64_t dayOfEra = days - era * 146097;
  int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  int64_t shiftedMonth = (5 * dayOfYear + 2) / 153;
  parts.day = static_cast<int32_t>(dayOfYear - (153 * shiftedMonth + 2) / 5 + 1);
  parts.month = static_cast<int32_t>(shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9);
  parts.year = static_cast<int32_t>(yearOfEra + era * 400 + (parts.month <= 2 ? 1 : 0));
}

int32_t DaysInMonth(int32_t year, int32_t month) {
  static constexpr int32_t kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return month == 2 && leap ? 29 : kDays[month - 1];
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f'; }

size_t SkipSpaces(std::string_view text, size_t at) {
  while (at < text.size() && IsSpace(text[at])) ++at;
  return at;
}

// Walks a date-time text.
class DateCursor {
 public:
  explicit DateCursor(std::string_view text) : text_(text) {}

  bool AtEnd() const { return at_ == text_.size(); }
  bool SkipSpaces() {
    size_t from = at_;
    at_ = vx::SkipSpaces(text_, at_);
    return at_ != from;
  }
  bool Eat(std::string_view word) {
    if (text_.substr(at_).substr(0, word.size()) != word) return false;
    at_ += word.size();
    return true;
  }
  // A number of minDigits to maxDigits digits.
  std::optional<int32_t> Number(size_t minDigits, size_t maxDigits) {
    size_t from = at_;
    int32_t value = 0;
    while (at_ < text_.size() && IsDigit(text_[at_]) && at_ - from < maxDigits)
      value = value * 10 + (text_[at_++] - '0');
    bool longer = at_ < text_.size() && IsDigit(text_[at_]);
    if (at_ - from < minDigits || longer) return std::nullopt;
    return value;
  }
  // One of the characters, or 0.
  char EatOneOf(std::string_view characters) {
    if (AtEnd() || characters.find(text_[at_]) == std::string_view::npos) return 0;
    return text_[at_++];
  }

 private:
  std::string_view text_;
  size_t at_ = 0;
};

bool ReadDate(DateCursor& in, DateTimeParts& parts, bool& chinese) {
  std::optional<int32_t> year = in.Number(3, 4);
  if (!year) return false;
  chinese = in.Eat("年");
  char separator = chinese ? 0 : in.EatOneOf("-/.");
  if (!chinese && !separator) return false;
  std::optional<int32_t> month = in.Number(1, 2);
  if (!month || !(chinese ? in.Eat("月") : in.Eat(std::string_view(&separator, 1)))) return false;
  std::optional<int32_t> day = in.Number(1, 2);
  if (!day) return false;
  if (chinese) in.Eat("日");
  parts.year = *year;
  parts.month = *month;
  parts.day = *day;
  return true;
}

bool ReadTime(DateCursor& in, DateTimeParts& parts, bool spaced) {
  std::optional<int32_t> hour = in.Number(1, 2);
  if (!hour) return false;
  parts.hour = *hour;
  if (in.Eat("时")) {
    if (std::optional<int32_t> minute = in.Number(1, 2)) {
      if (!in.Eat("分")) return false;
      parts.minute = *minute;
      if (std::optional<int32_t> second = in.Number(1, 2)) {
        if (!in.Eat("秒")) return false;
        parts.second = *second;
      }
    }
    return true;
  }
  if (!spaced || !in.Eat(":")) return false;
  std::optional<int32_t> minute = in.Number(1, 2);
  if (!minute) return false;
  parts.minute = *minute;
  if (in.Eat(":")) {
    std::optional<int32_t> second = in.Number(1, 2);
    if (!second) return false;
    parts.second = *second;
  }
  return true;
}

// Whether a number written with these parts lies above 1 in magnitude, for a
// value outside the double range: its first significant digit's decimal place.
bool IsAboveOne(std::string_view integerDigits, std::string_view fractionDigits, int64_t exponent) {
  size_t first = integerDigits.find_first_not_of('0');
  if (first != std::string_view::npos) {
    return static_cast<int64_t>(integerDigits.size() - first - 1) + exponent >= 0;
  }
  first = fractionDigits.find_first_not_of('0');
  return first != std::string_view::npos && exponent - static_cast<int64_t>(first + 1) >= 0;
}

}  // namespace

std::string IntegerText(int64_t value) {
  char buffer[24];
  std::to_chars_result written = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, written.ptr);
}

std::string SingleText(float value) { return GeneralText(static_cast<double>(value), 6); }

std::string DoubleText(double value) { return GeneralText(value, 13); }

DateTimeParts DateTimeOf(double value) {
  DateTimeParts parts;
  if (std::isnan(value)) value = 0;
  int64_t day = 0;
  int64_t seconds = 0;
  if (!(value > static_cast<double>(kFirstDay - 1))) {
    day = kFirstDay;
  } else if (!(value < static_cast<double>(kLastDay + 1))) {
    day = kLastDay;
  } else {
    day = static_cast<int64_t>(std::trunc(value));
    seconds = std::llround(std::fabs(value - static_cast<double>(day)) * kSecondsPerDay);
    if (seconds == kSecondsPerDay) {
      seconds = 0;
      day += value < 0 ? -1 : 1;
    }
    if (day < kFirstDay || day > kLastDay) {
      day = day < kFirstDay ? kFirstDay : kLastDay;
      seconds = 0;
    }
  }
  CivilFromDays(day + kDayZeroFromEpoch, parts);
  parts.hour = static_cast<int32_t>(seconds / 3600);
  parts.minute = static_cast<int32_t>(seconds / 60 % 60);
  parts.second = static_cast<int32_t>(seconds % 60);
  return parts;
}

std::optional<double> DateTimeValue(const DateTimeParts& parts) {
  if (parts.year < kFirstDateYear || parts.year > kLastDateYear || parts.month < 1 || parts.month > 12) {
    return std::nullopt;
  }
  if (parts.day < 1 || parts.day > DaysInMonth(parts.year, parts.month)) return std::nullopt;
  if (parts.hour < 0 || parts.hour > 23 || parts.minute < 0 || parts.minute > 59 || parts.second < 0 ||
      parts.second > 59) {
    return std::nullopt;
  }
  int64_t day = DaysFromCivil(parts.year, parts.month, parts.day) - kDayZeroFromEpoch;
  double fraction = static_cast<double>(parts.hour * 3600 + parts.minute * 60 + parts.second) / kSecondsPerDay;
  return day >= 0 ? static_cast<double>(day) + fraction : static_cast<double>(day) - fraction;
}

std::string DateTimeText(double value) {
  DateTimeParts parts = DateTimeOf(value);
  std::string text = IntegerText(parts.year) + "年" + IntegerText(parts.month) + "月" + IntegerText(parts.day) + "日";
  if (parts.second != 0) {
    text += IntegerText(parts.hour) + "时" + IntegerText(parts.minute) + "分" + IntegerText(parts.second) + "秒";
  } else if (parts.minute != 0) {
    text += IntegerText(parts.hour) + "时" + IntegerText(parts.minute) + "分";
  } else if (parts.hour != 0) {
    text += IntegerText(parts.hour) + "时";
  }
  return text;
}

std::optional<double> ParseDateTime(std::string_view text) {
  DateCursor in(text);
  in.SkipSpaces();
  DateTimeParts parts;
  bool chinese = false;
  if (!ReadDate(in, parts, chinese)) return std::nullopt;
  parts.hour = parts.minute = parts.second = 0;
  bool spaced = in.SkipSpaces();
  if (!in.AtEnd()) {
    // A time right after a day written with digits would have run into it.
    if (!spaced && !chinese) return std::nullopt;
    if (!ReadTime(in, parts, spaced || chinese)) return std::nullopt;
    in.SkipSpaces();
  }
  if (!in.AtEnd()) return std::nullopt;
  return DateTimeValue(parts);
}

int64_t IntegerOfText(std::string_view text) {
  size_t at = SkipSpaces(text, 0);
  bool negative = false;
  if (at < text.size() && (text[at] == '-' || text[at] == '+')) negative = text[at++] == '-';
  constexpr uint64_t kMaximum = static_cast<uint64_t>(std::numeric_limits<int64_t>::max());
  uint64_t limit = negative ? kMaximum + 1 : kMaximum;
  uint64_t magnitude = 0;
  for (; at < text.size() && IsDigit(text[at]); ++at) {
    auto digit = static_cast<uint64_t>(text[at] - '0');
    magnitude = magnitude > (limit - digit) / 10 ? limit : magnitude * 10 + digit;
  }
  return negative ? static_cast<int64_t>(0 - magnitude) : static_cast<int64_t>(magnitude);
}

double NumberOfText(std::string_view text) {
  size_t at = SkipSpaces(text, 0);
  bool negative = false;
  if (at < text.size() && (text[at] == '-' || text[at] == '+')) negative = text[at++] == '-';
  size_t start = at;
  while (at < text.size() && IsDigit(text[at])) ++at;
  std::string_view integerDigits = text.substr(start, at - start);
  std::string_view fractionDigits;
  if (at < text.size() && text[at] == '.') {
    size_t from = ++at;
    while (at < text.size() && IsDigit(text[at])) ++at;
    fractionDigits = text.substr(from, at - from);
  }
  if (integerDigits.empty() && fractionDigits.empty()) return 0;
  size_t end = at;
  int64_t exponent = 0;
  if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
    size_t e = at + 1;
    bool negativeExponent = false;
    if (e < text.size() && (text[e] == '-' || text[e] == '+')) negativeExponent = text[e++] == '-';
    size_t digitsFrom = e;
    for (; e < text.size() && IsDigit(text[e]); ++e)
      exponent = std::min<int64_t>(exponent * 10 + (text[e] - '0'), 1 << 20);
    if (e > digitsFrom) {
      end = e;
      if (negativeExponent) exponent = -exponent;
    } else {
      exponent = 0;
    }
  }
  double value = 0;
  std::from_chars_result read = std::from_chars(text.data() + start, text.data() + end, value);
  if (read.ec == std::errc::result_out_of_range) {
    value = IsAboveOne(integerDigits, fractionDigits, exponent) ? std::numeric_limits<double>::max() : 0;
  }
  if (value == 0) return 0;  // never a negative zero
  return negative ? -value : value;
}

}  // namespace vx
