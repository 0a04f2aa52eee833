// Colours of the control look as plain values, with the little arithmetic the
// painters need. No platform headers: this builds and is tested natively.
#pragma once

#include <cstdint>

namespace vx::look {

struct Rgb {
  uint8_t r = 0, g = 0, b = 0;
  friend constexpr bool operator==(Rgb, Rgb) = default;
};

// Subtracts `amount` (a colour value such as 0x202020) channel by channel,
// stopping at 0: a dark channel never borrows from its neighbour the way a plain
// subtraction of colour values would.
constexpr Rgb Darken(Rgb colour, uint32_t amount) {
  auto channel = [](uint8_t value, uint32_t by) { return static_cast<uint8_t>(value > by ? value - by : 0); };
  return {channel(colour.r, amount & 0xFF), channel(colour.g, (amount >> 8) & 0xFF),
          channel(colour.b, (amount >> 16) & 0xFF)};
}

// The colours at the four corners of a gradient rectangle.
struct Corners {
  Rgb topLeft, topRight, bottomLeft, bottomRight;
  friend constexpr bool operator==(const Corners&, const Corners&) = default;
};

constexpr Corners Vertical(Rgb top, Rgb bottom) { return {top, top, bottom, bottom}; }
constexpr Corners Flat(Rgb colour) { return {colour, colour, colour, colour}; }

}  // namespace vx::look
