// Text given as markup (the XML flag of Speak): the engine reads its character
// data only. Tags are dropped and character references decoded.
#pragma once

#include <string>
#include <string_view>

namespace vx {

std::wstring PlainTextFromMarkup(std::wstring_view markup);

}  // namespace vx
