#include "pictures/icon_directory.h"

#include <cstring>

#include "pictures/byte_fields.h"

namespace vx {
namespace {

constexpr size_t kHeaderBytes = 6;
constexpr size_t kEntryBytes = 16;
constexpr uint8_t kPreferredWidth = 32;
constexpr uint8_t kPreferredColoursAbove = 15;
constexpr size_t kInfoHeaderMinimum = 40;
// PNG images (of large icons) carry their size in the header chunk.
constexpr uint8_t kPngSignature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
constexpr size_t kPngHeaderEnd = 24;

bool ReadImageHeader(IconImage& image) {
  const uint8_t* b = image.bytes.data();
  if (image.bytes.size() >= kPngHeaderEnd && std::memcmp(b, kPngSignature, sizeof kPngSignature) == 0) {
    image.width = Be32(b + 16);
    image.height = Be32(b + 20);
    image.bitsPerPixel = 32;
  } else if (image.bytes.size() >= kInfoHeaderMinimum && Le32(b) >= kInfoHeaderMinimum) {
    const auto width = static_cast<int32_t>(Le32(b + 4)), height = static_cast<int32_t>(Le32(b + 8));
    image.width = width > 0 ? width : 0;
    image.height = height > 0 ? height / 2 : 0;
    image.bitsPerPixel = Le16(b + 14);
  }
  return image.width > 0 && image.height > 0;
}

}  // namespace

std::optional<IconImage> ChooseIconImage(std::span<const uint8_t> bytes) {
  if (bytes.size() < kHeaderBytes) return std::nullopt;
  const uint8_t* b = bytes.data();
  const uint16_t type = Le16(b + 2), count = Le16(b + 4);
  if (Le16(b) != 0 || (type != 1 && type != 2) || count == 0) return std::nullopt;
  if (bytes.size() < kHeaderBytes + size_t{count} * kEntryBytes) return std::nullopt;

  IconImage image;
  for (image.entry = 0; image.entry + 1 < count; ++image.entry) {
    const uint8_t* entry = b + kHeaderBytes + image.entry * kEntryBytes;
    if (entry[2] > kPreferredColoursAbove && entry[0] == kPreferredWidth) break;
  }
  const uint8_t* entry = b + kHeaderBytes + image.entry * kEntryBytes;
  const uint32_t size = Le32(entry + 8), offset = Le32(entry + 12);
  if (offset > bytes.size() || size > bytes.size() - offset) return std::nullopt;
  image.bytes = bytes.subspan(offset, size);
  if (!ReadImageHeader(image)) return std::nullopt;
  return image;
}

}  // namespace vx
