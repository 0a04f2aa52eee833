// The kinds of picture data a picture property can hold, told apart by their
// first bytes.
#pragma once

#include <cstdint>
#include <span>

namespace vx {

enum class PictureKind : uint32_t {
  kNone = 0,
  kJpeg = 1,
  kBmp = 2,
  kIcon = 3,
  kCursor = 4,
  kGif = 5,
  kPcx8 = 6,  // 8 bits per pixel
  kPcx1 = 7,  // 1 bit per pixel
  kPng = 8,
};

// Tested in the order "BM", JPEG, PNG, icon, cursor, GIF, PCX; data of 5 bytes or
// fewer is never a picture.
PictureKind RecognisePicture(std::span<const uint8_t> bytes);

}  // namespace vx
