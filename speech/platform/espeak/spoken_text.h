// What an item speaks, from Speak's text and flags: the text itself, the contents
// of the named file, or the character data of markup.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace vx::espeak {

HRESULT SpokenText(const wchar_t* text, DWORD flags, std::wstring* spoken);

// eSpeak takes UTF-8.
std::string Utf8FromWide(std::wstring_view text);

}  // namespace vx::espeak
