// Reading the text files voxlet-say speaks: GBK or UTF-8, handed on as GBK.
#pragma once

#include <string>

namespace voxlet_say {

// The file's text in GBK. UTF-8 is recognised by its byte order mark or by being
// valid UTF-8 with at least one multi-byte sequence; anything else is taken as GBK.
bool ReadTextFileAsGbk(const std::wstring& path, std::string* gbk);

// GBK text for the console, which takes UTF-8.
std::string Utf8FromGbk(const std::string& gbk);

}  // namespace voxlet_say
