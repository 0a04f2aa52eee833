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

// The range a progress or slider bar gives its control: the smaller of Minimum and
// Maximum is the low end, whichever way round the program stored them.
struct ControlRange {
  int32_t low;
  int32_t high;

  constexpr int32_t span() const { return high - low; }
  constexpr int32_t Clamp(int32_t value) const { return std::clamp(value, low, high); }
  // A step (line, page, tick distance) within 1..span; 1 when the span is 0.
  constexpr int32_t Step(int32_t value) const { return std::clamp(value, 1, std::max(1, span())); }
};

constexpr ControlRange RangeOf(int32_t minimum, int32_t maximum) {
  return {std::min(minimum, maximum), std::max(minimum, maximum)};
}

}  // namespace vx
