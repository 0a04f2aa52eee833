#include "units/label/label_gradient.h"

#include <algorithm>
#include <cmath>

namespace vx {
namespace {

uint32_t Channel(uint32_t colour, int shift) { return (colour >> shift) & 0xFF; }

uint32_t Mix(uint32_t from, uint32_t to, double f) {
  uint32_t mixed = 0;
  for (int shift : {0, 8, 16}) {
    double a = Channel(from, shift), b = Channel(to, shift);
    mixed |= static_cast<uint32_t>(std::lround(a + (b - a) * f)) << shift;
  }
  return mixed;
}

// RGB as stored (0x00BBGGRR) to a DIB pixel (0x00RRGGBB).
uint32_t DibPixel(uint32_t colour) {
  return (Channel(colour, 0) << 16) | (Channel(colour, 8) << 8) | Channel(colour, 16);
}

// How far along the gradient a point lies, 0..1; u and v are its position across
// and down the area, each 0..1.
double Position(int32_t mode, double u, double v) {
  double fromMiddleX = std::abs(2 * u - 1), fromMiddleY = std::abs(2 * v - 1);
  switch (mode) {
    case 1:
      return u;
    case 2:
      return v;
    case 3:
      return (u + v) / 2;
    case 4:
      return (u + 1 - v) / 2;
    case 5:
      return 1 - fromMiddleX;
    case 6:
      return 1 - fromMiddleY;
    case 7:
      return 1 - std::max(fromMiddleX, fromMiddleY);
    default:
      return 1 - std::min(1.0, std::hypot(fromMiddleX, fromMiddleY) / std::sqrt(2.0));
  }
}

// The share of the way from the first to the last pixel; 0 for a single one.
double Along(int32_t offset, int32_t length) { return length > 1 ? static_cast<double>(offset) / (length - 1) : 0; }

}  // namespace

std::vector<uint32_t> GradientStops(std::initializer_list<uint32_t> colours) {
  std::vector<uint32_t> stops;
  for (uint32_t colour : colours) {
    if (colour != kUnusedGradientColour) stops.push_back(colour & 0x00FFFFFF);
  }
  return stops;
}

uint32_t ColourAlong(std::span<const uint32_t> stops, double t) {
  if (stops.empty()) return 0;
  if (stops.size() == 1) return stops[0];
  double at = std::clamp(t, 0.0, 1.0) * static_cast<double>(stops.size() - 1);
  size_t segment = std::min(static_cast<size_t>(at), stops.size() - 2);
  return Mix(stops[segment], stops[segment + 1], at - static_cast<double>(segment));
}

std::vector<uint32_t> GradientPixels(int32_t mode, std::span<const uint32_t> stops, PixelRect area, PixelRect part) {
  if (part.empty()) return {};
  // Neighbouring positions differ by far less than one colour step: a table of
  // colours serves every pixel.
  constexpr int kSteps = 1024;
  std::vector<uint32_t> table(kSteps + 1);
  for (int step = 0; step <= kSteps; ++step) table[step] = DibPixel(ColourAlong(stops, double(step) / kSteps));

  std::vector<uint32_t> pixels(static_cast<size_t>(part.width()) * static_cast<size_t>(part.height()));
  auto out = pixels.begin();
  for (int32_t y = part.top; y < part.bottom; ++y) {
    double v = Along(y - area.top, area.height());
    for (int32_t x = part.left; x < part.right; ++x) {
      double t = Position(mode, Along(x - area.left, area.width()), v);
      *out++ = table[static_cast<size_t>(std::lround(std::clamp(t, 0.0, 1.0) * kSteps))];
    }
  }
  return pixels;
}

uint32_t FrameRingColour(int32_t ring, int32_t width, std::span<const uint32_t> stops) {
  return ColourAlong(stops, Along(ring, width));
}

}  // namespace vx
