// What every picture reader's fuzz target asks of a picture it was given: a size,
// and a pixel block as large as the kind's layout says, every byte of it there.
#pragma once

#include <cstdint>
#include <optional>

#include "pictures/byte_fields.h"
#include "pictures/indexed_bitmap.h"
#include "pictures/pixel_picture.h"

namespace vx::fuzz {

inline uint64_t LayoutBytes(const PixelPicture& picture) {
  const uint64_t width = picture.width, height = picture.height;
  switch (picture.kind) {
    case PictureKind::kJpeg:
    case PictureKind::kBmp:
      return width * height * 3;
    case PictureKind::kPng:
      return width * height * 4;
    case PictureKind::kPcx1:
      return (width + 15) / 16 * 2 * height;
    case PictureKind::kPcx8:
      return kIndexedHeaderBytes + IndexedStride(width) * height;
    case PictureKind::kGif: {
      // The image's own size, from its header.
      const uint8_t* header = picture.pixels.data();
      return kIndexedHeaderBytes + IndexedStride(Le32(header + 4)) * (0u - Le32(header + 8));
    }
    default:
      return 0;
  }
}

inline void CheckPicture(const std::optional<PixelPicture>& picture) {
  if (!picture) return;
  if (picture->width == 0 || picture->height == 0 || !picture->pixels) __builtin_trap();
  if (picture->pixels.size() < kIndexedHeaderBytes && picture->kind == PictureKind::kGif) __builtin_trap();
  if (LayoutBytes(*picture) != picture->pixels.size()) __builtin_trap();
  volatile uint8_t sum = 0;
  for (uint32_t i = 0; i < picture->pixels.size(); ++i) sum = sum + picture->pixels.data()[i];
}

}  // namespace vx::fuzz
