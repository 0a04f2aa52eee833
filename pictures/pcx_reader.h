// PCX files: run-length encoded, one plane of 8 bits or 1 bit a pixel.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "pictures/pixel_picture.h"

namespace vx {

constexpr uint8_t kPcxManufacturer = 10;
constexpr uint8_t kPcxRunLengthEncoding = 1;

// 8 bits a pixel: an indexed bitmap coloured from the palette after the image
// data. 1 bit a pixel: a monochrome bitmap. Nothing for other depths and for short
// or malformed files.
std::optional<PixelPicture> ReadPcx(std::span<const uint8_t> bytes);

}  // namespace vx
