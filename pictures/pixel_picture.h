// A picture decoded to pixels by one of the readers (every kind but icons and
// cursors). The block's layout follows the kind:
// - JPEG, BMP: 3 bytes a pixel (blue, green, red), rows bottom-up, packed;
// - GIF, 8-bit PCX: an indexed bitmap (indexed_bitmap.h);
// - 1-bit PCX: a monochrome bitmap, rows top-down, each a whole number of 16-bit
//   words;
// - PNG: 4 bytes a pixel (blue, green, red, alpha), rows top-down.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "pictures/picture_kind.h"
#include "pictures/pixel_block.h"

namespace vx {

struct PixelPicture {
  PictureKind kind = PictureKind::kNone;
  uint32_t width = 0;   // for GIF, the logical screen's
  uint32_t height = 0;  // pixels, never 0
  PixelBlock pixels;
};

// Decodes data of a pixel kind with that kind's reader; nothing for icons,
// cursors, unrecognised data and data the reader refuses.
std::optional<PixelPicture> ReadPixelPicture(PictureKind kind, std::span<const uint8_t> bytes);

}  // namespace vx
