#include "pictures/picture_kind.h"

#include <cstring>

#include "pictures/byte_fields.h"
#include "pictures/pcx_reader.h"

namespace vx {
namespace {

// An icon or cursor directory header: reserved 0, the type, at least one image.
bool IsDirectory(const uint8_t* b, uint16_t type) { return Le16(b) == 0 && Le16(b + 2) == type && Le16(b + 4) > 0; }

bool IsGif(const uint8_t* b) { return std::memcmp(b, "GIF8", 4) == 0 && (b[4] == '7' || b[4] == '9') && b[5] == 'a'; }

}  // namespace

PictureKind RecognisePicture(std::span<const uint8_t> bytes) {
  if (bytes.size() <= 5) return PictureKind::kNone;
  const uint8_t* b = bytes.data();
  if (b[0] == 'B' && b[1] == 'M') return PictureKind::kBmp;
  if (b[0] == 0xFF && b[1] == 0xD8) return PictureKind::kJpeg;
  if (Le32(b) == 0x474E5089) return PictureKind::kPng;
  if (IsDirectory(b, 1)) return PictureKind::kIcon;
  if (IsDirectory(b, 2)) return PictureKind::kCursor;
  if (IsGif(b)) return PictureKind::kGif;
  if (b[0] == kPcxManufacturer && b[2] == kPcxRunLengthEncoding) {
    const uint8_t version = b[1], bitsPerPixel = b[3];
    if (version <= 5 && bitsPerPixel == 8) return PictureKind::kPcx8;
    if (version == 3 && bitsPerPixel == 1) return PictureKind::kPcx1;
  }
  return PictureKind::kNone;
}

}  // namespace vx
