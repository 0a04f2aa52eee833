// What an item speaks, from Speak's text and flags: the text itself, the contents
// of the named file, or the character data of markup.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>

namespace vx::espeak {

// The largest text file spoken, in bytes: days of speech, read whole on the
// caller's thread. A longer file is refused with ERROR_FILE_TOO_LARGE.
constexpr uint64_t kLargestTextFile = 4 << 20;

// E_OUTOFMEMORY when the text finds no memory.
HRESULT SpokenText(const wchar_t* text, DWORD flags, std::wstring* spoken);

// eSpeak takes UTF-8.
std::string Utf8FromWide(std::wstring_view text);

}  // namespace vx::espeak
