// Conversions between value kinds that more than one part of the system makes.
#pragma once

#include <cstdint>

namespace vx {

// Toward zero. NaN and values outside the 64-bit range give the processor's
// "integer indefinite" 0x8000000000000000, as the conversion instruction does.
int64_t TruncateToInt64(double value);

}  // namespace vx
