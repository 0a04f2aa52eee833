#include "runtime/framework/gbk.h"

#include <windows.h>

namespace vx {

std::wstring WideFromGbk(const char* text) {
  if (!text || !*text) return {};
  int length = MultiByteToWideChar(kGbkCodePage, 0, text, -1, nullptr, 0);
  std::wstring wide(length > 0 ? length - 1 : 0, L'\0');
  if (length > 1) MultiByteToWideChar(kGbkCodePage, 0, text, -1, wide.data(), length);
  return wide;
}

std::wstring WideFromGbk(const std::string& text) { return WideFromGbk(text.c_str()); }

std::string GbkFromWide(const wchar_t* text) {
  if (!text || !*text) return {};
  int length = WideCharToMultiByte(kGbkCodePage, 0, text, -1, nullptr, 0, nullptr, nullptr);
  std::string gbk(length > 0 ? length - 1 : 0, '\0');
  if (length > 1) WideCharToMultiByte(kGbkCodePage, 0, text, -1, gbk.data(), length, nullptr, nullptr);
  return gbk;
}

std::string GbkFromWide(const std::wstring& text) { return GbkFromWide(text.c_str()); }

}  // namespace vx
