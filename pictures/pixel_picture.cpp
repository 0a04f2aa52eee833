#include "pictures/pixel_picture.h"

#include "pictures/bmp_reader.h"
#include "pictures/gif_reader.h"
#include "pictures/jpeg_reader.h"
#include "pictures/pcx_reader.h"
#include "pictures/png_reader.h"

namespace vx {

std::optional<PixelPicture> ReadPixelPicture(PictureKind kind, std::span<const uint8_t> bytes) {
  switch (kind) {
    case PictureKind::kJpeg:
      return ReadJpeg(bytes);
    case PictureKind::kBmp:
      return ReadBmp(bytes);
    case PictureKind::kGif:
      return ReadGif(bytes);
    case PictureKind::kPcx8:
    case PictureKind::kPcx1:
      return ReadPcx(bytes);
    case PictureKind::kPng:
      return ReadPng(bytes);
    case PictureKind::kNone:
    case PictureKind::kIcon:
    case PictureKind::kCursor:
      break;
  }
  return std::nullopt;
}

}  // namespace vx
