// The remove-all-spaces command's text rule: GBK walked byte by byte, ASCII
// spaces and full-width spaces (0xA1 0xA1) dropped, everything else kept.
#pragma once

#include <string>
#include <string_view>

namespace vx {

// A lead byte at the very end (a cut double-byte character) is dropped too.
std::string WithoutSpaces(std::string_view gbk);

}  // namespace vx
