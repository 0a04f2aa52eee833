// Property writes never fail: values outside a property's range are clamped.
#pragma once

#include <algorithm>
#include <climits>
#include <cstdint>

namespace vx {

struct Clamp {
  int32_t low = INT32_MIN;
  int32_t high = INT32_MAX;
  constexpr int32_t operator()(int32_t value) const { return std::clamp(value, low, high); }
};
// A pick list of `count` entries takes 0..count-1.
constexpr Clamp PickList(int32_t count) { return {0, count - 1}; }
constexpr Clamp Range(int32_t low, int32_t high) { return {low, high}; }
constexpr Clamp AtLeast(int32_t low) { return {low, INT32_MAX}; }

// Range values of progress and slider bars travel in 16-bit halves of one message
// parameter, so they are kept within 0..32767.
constexpr int32_t kRangeMaximum = 32767;
constexpr Clamp kRangeValue = Range(0, kRangeMaximum);

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
