// What an edit box's input mode does to its text: which typed characters it
// takes, how it rewrites the text when the focus leaves, and how the automatic
// spin steps a value. Pure: no platform headers.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vx {

namespace input_mode {
constexpr int32_t kNormal = 0;
constexpr int32_t kReadOnly = 1;
constexpr int32_t kPassword = 2;
constexpr int32_t kIntegerText = 3;
constexpr int32_t kDecimalText = 4;
constexpr int32_t kByte = 5;
constexpr int32_t kShort = 6;
constexpr int32_t kInteger = 7;
constexpr int32_t kLong = 8;
constexpr int32_t kSingle = 9;
constexpr int32_t kDouble = 10;
constexpr int32_t kDateTime = 11;
constexpr int32_t kCount = 12;
}  // namespace input_mode

// Whether the box takes a typed character (a UTF-16 code unit). Control
// characters always pass: the number modes take digits and "-" (with "." where a
// fraction may follow), the byte mode digits only, the others everything.
bool AcceptsTypedCharacter(int32_t inputMode, uint32_t character);

// The text the box holds after the focus left it: the value it stands for in the
// mode's type, written in the runtime's text form ("0" as the empty text), or the
// empty text for something that is no date. Nothing for modes 0 to 4, which leave
// the text alone.
std::optional<std::string> NormalisedText(int32_t inputMode, std::string_view text);

// One step of the automatic spin within the range the two ends give (in either
// order): up from the top end and down from the bottom end wrap round.
int64_t SpinStep(int64_t value, int32_t firstEnd, int32_t secondEnd, bool up);

}  // namespace vx
