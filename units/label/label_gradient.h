// The label's gradients: its background in GradientMode 1..8 and its frame for
// Border 6, each through the colours that are set (0xFF000000: not used).
// Colours are RGB values as stored (0x00BBGGRR); the background is computed into
// 32-bit DIB pixels (0x00RRGGBB, rows top-down). Pure: no platform headers.
//
// Background kinds, each from the first colour to the last:
//   1 left to right            5 from the left and right edges to the middle
//   2 top to bottom            6 from the top and bottom edges to the middle
//   3 top-left to bottom-right 7 from all four edges to the centre (a box)
//   4 bottom-left to top-right 8 from the corners to the centre (round)
#pragma once

#include <cstdint>
#include <initializer_list>
#include <span>
#include <vector>

#include "runtime/framework/pixel_rect.h"

namespace vx {

constexpr uint32_t kUnusedGradientColour = 0xFF000000;
constexpr int32_t kGradientModeCount = 9;  // 0 none, 1..8

// The colours a gradient runs through: those set, in order.
std::vector<uint32_t> GradientStops(std::initializer_list<uint32_t> colours);

// The colour at t (0..1) along the stops, each channel interpolated linearly.
uint32_t ColourAlong(std::span<const uint32_t> stops, double t);

// The background gradient of `area` in the given mode (1..8), for the pixels of
// `part` only (a box inside the area): part.width() x part.height() DIB pixels.
std::vector<uint32_t> GradientPixels(int32_t mode, std::span<const uint32_t> stops, PixelRect area, PixelRect part);

// The colour of one ring of a frame `width` pixels wide, counted from the outside
// in: the outermost ring in the first colour, the innermost in the last.
uint32_t FrameRingColour(int32_t ring, int32_t width, std::span<const uint32_t> stops);

}  // namespace vx
