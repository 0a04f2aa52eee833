#include "units/edit_box/edit_box_input.h"

#include <algorithm>
#include <limits>

#include "runtime/framework/text/value_text.h"

namespace vx {
namespace {

bool IsDigit(uint32_t c) { return c >= '0' && c <= '9'; }

// An integer mode's value: the text's integer clamped to the type's range.
std::string IntegerModeText(int32_t inputMode, std::string_view text) {
  int64_t value = IntegerOfText(text);
  switch (inputMode) {
    case input_mode::kByte:
      value = std::clamp<int64_t>(value, 0, 255);
      break;
    case input_mode::kShort:
      value = std::clamp<int64_t>(value, INT16_MIN, INT16_MAX);
      break;
    case input_mode::kInteger:
      value = std::clamp<int64_t>(value, INT32_MIN, INT32_MAX);
      break;
    default:
      break;
  }
  return IntegerText(value);
}

// Beyond the single-precision range a value stops at its largest number rather
// than becoming infinite.
float SingleOf(double value) {
  constexpr double kLargest = std::numeric_limits<float>::max();
  auto single = static_cast<float>(std::clamp(value, -kLargest, kLargest));
  return single == 0 ? 0.0f : single;  // never a negative zero
}

}  // namespace

bool AcceptsTypedCharacter(int32_t inputMode, uint32_t character) {
  if (character < 32) return true;
  switch (inputMode) {
    case input_mode::kIntegerText:
    case input_mode::kShort:
    case input_mode::kInteger:
    case input_mode::kLong:
      return character == '-' || IsDigit(character);
    case input_mode::kDecimalText:
    case input_mode::kSingle:
    case input_mode::kDouble:
      return character == '-' || character == '.' || IsDigit(character);
    case input_mode::kByte:
      return IsDigit(character);
    default:
      return true;
  }
}

std::optional<std::string> NormalisedText(int32_t inputMode, std::string_view text) {
  std::string result;
  switch (inputMode) {
    case input_mode::kByte:
    case input_mode::kShort:
    case input_mode::kInteger:
    case input_mode::kLong:
      result = IntegerModeText(inputMode, text);
      break;
    case input_mode::kSingle:
      result = SingleText(SingleOf(NumberOfText(text)));
      break;
    case input_mode::kDouble:
      result = DoubleText(NumberOfText(text));
      break;
    case input_mode::kDateTime: {
      std::optional<double> value = ParseDateTime(text);
      return value && *value != 0 ? DateTimeText(*value) : std::string();
    }
    default:
      return std::nullopt;
  }
  if (result == "0") result.clear();
  return result;
}

int64_t SpinStep(int64_t value, int32_t firstEnd, int32_t secondEnd, bool up) {
  int64_t low = std::min(firstEnd, secondEnd);
  int64_t high = std::max(firstEnd, secondEnd);
  if (up) return value >= low - 1 && value < high ? value + 1 : low;
  return value > low && value <= high + 1 ? value - 1 : high;
}

}  // namespace vx
