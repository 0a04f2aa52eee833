#include "speech/platform/espeak/markup_text.h"

#include <cwchar>

namespace vx {
namespace {

// Appends one code point as UTF-16 (or as is where wchar_t is 32-bit).
void AppendCodePoint(std::wstring& out, unsigned long cp) {
  if (cp == 0 || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return;
  if (sizeof(wchar_t) == 2 && cp > 0xFFFF) {
    cp -= 0x10000;
    out += static_cast<wchar_t>(0xD800 + (cp >> 10));
    out += static_cast<wchar_t>(0xDC00 + (cp & 0x3FF));
  } else {
    out += static_cast<wchar_t>(cp);
  }
}

// Decodes the reference "name" of "&name;" into out; false if unknown.
bool DecodeReference(std::wstring_view name, std::wstring& out) {
  if (name == L"lt")
    out += L'<';
  else if (name == L"gt")
    out += L'>';
  else if (name == L"amp")
    out += L'&';
  else if (name == L"quot")
    out += L'"';
  else if (name == L"apos")
    out += L'\'';
  else if (name.size() > 1 && name[0] == L'#') {
    bool hex = name[1] == L'x' || name[1] == L'X';
    std::wstring digits(name.substr(hex ? 2 : 1));
    if (digits.empty()) return false;
    wchar_t* end = nullptr;
    unsigned long cp = std::wcstoul(digits.c_str(), &end, hex ? 16 : 10);
    if (*end) return false;
    AppendCodePoint(out, cp);
  } else {
    return false;
  }
  return true;
}

}  // namespace

std::wstring PlainTextFromMarkup(std::wstring_view markup) {
  std::wstring text;
  size_t i = 0;
  while (i < markup.size()) {
    wchar_t c = markup[i];
    if (c == L'<') {
      size_t close = markup.find(L'>', i);
      if (close == std::wstring_view::npos) break;  // an unfinished tag ends the text
      i = close + 1;
    } else if (c == L'&') {
      size_t semicolon = markup.find(L';', i);
      if (semicolon != std::wstring_view::npos && semicolon - i <= 10 &&
          DecodeReference(markup.substr(i + 1, semicolon - i - 1), text)) {
        i = semicolon + 1;
      } else {
        text += c;
        ++i;
      }
    } else {
      text += c;
      ++i;
    }
  }
  return text;
}

}  // namespace vx
