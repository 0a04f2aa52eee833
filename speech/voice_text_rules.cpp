#include "speech/voice_text_rules.h"

namespace vx {
namespace {

// A GBK lead byte; the byte after it belongs to the same character.
bool IsLeadByte(unsigned char byte) { return byte >= 0x81 && byte <= 0xFE; }

}  // namespace

std::wstring LanguageValueName(uint16_t languageId) {
  static const wchar_t kDigits[] = L"0123456789ABCDEF";
  std::wstring name;
  do {
    name.insert(name.begin(), kDigits[languageId & 0xF]);
    languageId >>= 4;
  } while (languageId != 0);
  return name;
}

std::string LowerAsciiGbk(std::string_view text) {
  std::string lowered(text);
  for (size_t i = 0; i < lowered.size(); ++i) {
    unsigned char byte = static_cast<unsigned char>(lowered[i]);
    if (IsLeadByte(byte) && i + 1 < lowered.size()) {
      ++i;  // the trail byte may be an ASCII letter's value; it is not one
    } else if (byte >= 'A' && byte <= 'Z') {
      lowered[i] = static_cast<char>(byte - 'A' + 'a');
    }
  }
  return lowered;
}

bool ContainsGbk(std::string_view text, std::string_view needle) {
  for (size_t i = 0; i + needle.size() <= text.size();) {
    if (text.compare(i, needle.size(), needle) == 0) return true;
    i += IsLeadByte(static_cast<unsigned char>(text[i])) ? 2 : 1;
  }
  return false;
}

bool DescribesChineseVoice(std::string_view description) {
  std::string lowered = LowerAsciiGbk(description);
  return ContainsGbk(lowered, "chinese") || ContainsGbk(lowered, "中文");
}

}  // namespace vx
