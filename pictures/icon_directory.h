// Icon and cursor files: the choice of one image from the directory.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace vx {

struct IconImage {
  size_t entry = 0;                // its place in the directory
  std::span<const uint8_t> bytes;  // the image: a BITMAPINFOHEADER and its bitmaps, or PNG data
  uint32_t width = 0;
  uint32_t height = 0;  // of the icon: half the bitmaps' height
  uint32_t bitsPerPixel = 0;
};

// The first entry of 32 pixels' width with more than 15 colours, else the last
// entry. Nothing when the directory or the chosen image is short or malformed.
std::optional<IconImage> ChooseIconImage(std::span<const uint8_t> bytes);

}  // namespace vx
