// Property writes never fail: values outside a property's range are clamped.
#pragma once

#include <algorithm>
#include <cstdint>

namespace vx {

// Range values of progress and slider bars travel in 16-bit halves of one message
// parameter, so they are kept within 0..32767.
constexpr int32_t kRangeMaximum = 32767;

// A pick list with `count` entries takes 0..count-1.
constexpr int32_t ClampPickList(int32_t value, int32_t count) { return std::clamp(value, 0, count - 1); }

constexpr int32_t ClampRange(int32_t value) { return std::clamp(value, 0, kRangeMaximum); }

}  // namespace vx
