#include "commands/core/remove_spaces.h"

namespace vx {

std::string WithoutSpaces(std::string_view gbk) {
  std::string kept;
  kept.reserve(gbk.size());
  for (size_t i = 0; i < gbk.size(); ++i) {
    auto byte = static_cast<unsigned char>(gbk[i]);
    if (byte < 0x80) {
      if (byte != ' ') kept.push_back(static_cast<char>(byte));
      continue;
    }
    if (i + 1 >= gbk.size()) break;  // a lead byte without its trail byte
    auto trail = static_cast<unsigned char>(gbk[i + 1]);
    if (byte != 0xA1 || trail != 0xA1) kept.append(gbk.substr(i, 2));
    ++i;
  }
  return kept;
}

}  // namespace vx
