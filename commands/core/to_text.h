// The to-text command's rule: the text form of any basic value.
#pragma once

#include <string>

#include "contract/values.h"

namespace vx {

// Numbers in the runtime's number forms, logicals as 真 or 假, date-times in the
// date text form, texts as they are; byte sets and arrays of numbers as the bytes
// of their elements up to the first zero byte; anything else the empty text.
std::string ValueText(const MDATA& value);

}  // namespace vx
