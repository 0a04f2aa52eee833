// BMP files: uncompressed, 1, 4, 8, 24 or 32 bits a pixel.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "pictures/pixel_picture.h"

namespace vx {

// The picture as 3-byte pixels (blue, green, red), rows bottom-up; nothing for a
// compressed, short or malformed file.
std::optional<PixelPicture> ReadBmp(std::span<const uint8_t> bytes);

}  // namespace vx
