// JPEG files, through libjpeg from memory.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "pictures/pixel_picture.h"

namespace vx {

// The picture as 3-byte pixels (blue, green, red), rows bottom-up; nothing for
// data libjpeg cannot decode to colour, and for data that ends early.
std::optional<PixelPicture> ReadJpeg(std::span<const uint8_t> bytes);

}  // namespace vx
