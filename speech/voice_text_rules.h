// The text side of the voice catalogue: which value of a voice token holds the
// description for a UI language, and whether a GBK description names Chinese.
// Pure text handling.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vx {

// The value name of a language id: upper-case hexadecimal without leading zeros
// (0x0804 -> "804", 0x0409 -> "409").
std::wstring LanguageValueName(uint16_t languageId);

// ASCII letters lowered; the bytes of double-byte GBK characters left as they are.
std::string LowerAsciiGbk(std::string_view text);

// Whether text holds needle, trying only positions where a whole GBK character
// starts, so a match never begins on the second byte of a double-byte character.
bool ContainsGbk(std::string_view text, std::string_view needle);

// The Chinese voice rule on a GBK description: it contains "chinese" in any letter
// case, or "中文".
bool DescribesChineseVoice(std::string_view description);

}  // namespace vx
