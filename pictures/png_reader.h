// PNG files, through libpng's simplified reading interface.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "pictures/pixel_picture.h"

namespace vx {

// The picture as 4-byte pixels (blue, green, red, alpha, not premultiplied), rows
// top-down; nothing for data libpng cannot read.
std::optional<PixelPicture> ReadPng(std::span<const uint8_t> bytes);

}  // namespace vx
