#include "contract/value_conversions.h"

#include <cmath>

namespace vx {

int64_t TruncateToInt64(double value) {
  constexpr double kLimit = 9223372036854775808.0;  // 2^63
  if (std::isnan(value) || value >= kLimit || value < -kLimit) return INT64_MIN;
  return static_cast<int64_t>(value);
}

}  // namespace vx
