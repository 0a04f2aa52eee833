// GIF files: the first image of the stream, on its logical screen.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "pictures/pixel_picture.h"

namespace vx {

// The first image as an indexed bitmap of its own size, coloured from its local
// table or else the global one, with the transparent colour of a graphic control
// extension before it marked; the picture's size is the logical screen's. Nothing
// when the stream yields no image, or is short or malformed.
std::optional<PixelPicture> ReadGif(std::span<const uint8_t> bytes);

}  // namespace vx
