// Text crosses to Windows here: GBK inside the system, UTF-16 for the wide API,
// converted with code page 936 whatever the system's ANSI code page is.
#pragma once

#include <string>

namespace vx {

constexpr unsigned kGbkCodePage = 936;

std::wstring WideFromGbk(const char* text);
std::wstring WideFromGbk(const std::string& text);
std::string GbkFromWide(const wchar_t* text);
std::string GbkFromWide(const std::wstring& text);

}  // namespace vx
