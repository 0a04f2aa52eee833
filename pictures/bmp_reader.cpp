#include "pictures/bmp_reader.h"

#include <array>
#include <cstring>

#include "pictures/byte_fields.h"

namespace vx {
namespace {

constexpr uint64_t kFileHeaderBytes = 14;
constexpr uint64_t kInfoHeaderMinimum = 40;  // later header versions are longer
constexpr uint32_t kUncompressed = 0;

// The colour table as 3-byte entries (blue, green, red); entries the file does not
// give stay black, so any index of a row has a colour.
using Palette = std::array<uint8_t, 256 * 3>;

void ExpandIndexed(const uint8_t* in, uint8_t* out, uint32_t width, uint32_t bits, const Palette& palette) {
  const uint32_t perByte = 8 / bits, mask = (1u << bits) - 1;
  for (uint32_t x = 0; x < width; ++x, out += 3) {
    const uint32_t shift = 8 - bits * (x % perByte + 1);
    const uint8_t* colour = &palette[((in[x / perByte] >> shift) & mask) * 3];
    out[0] = colour[0];
    out[1] = colour[1];
    out[2] = colour[2];
  }
}

void ExpandRow(const uint8_t* in, uint8_t* out, uint32_t width, uint32_t bits, const Palette& palette) {
  switch (bits) {
    case 24:
      std::memcpy(out, in, width * 3);
      break;
    case 32:
      for (uint32_t x = 0; x < width; ++x, in += 4, out += 3) {
        out[0] = in[0];
        out[1] = in[1];
        out[2] = in[2];
      }
      break;
    default:
      ExpandIndexed(in, out, width, bits, palette);
  }
}

}  // namespace

std::optional<PixelPicture> ReadBmp(std::span<const uint8_t> bytes) {
  if (bytes.size() < kFileHeaderBytes + kInfoHeaderMinimum) return std::nullopt;
  const uint8_t* b = bytes.data();
  if (b[0] != 'B' || b[1] != 'M') return std::nullopt;
  const uint32_t dataOffset = Le32(b + 10), headerSize = Le32(b + 14);
  const auto width = static_cast<int32_t>(Le32(b + 18)), height = static_cast<int32_t>(Le32(b + 22));
  const uint32_t bits = Le16(b + 28), compression = Le32(b + 30), usedColours = Le32(b + 46);
  if (compression != kUncompressed || headerSize < kInfoHeaderMinimum || width <= 0 || height == 0) return std::nullopt;
  if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32) return std::nullopt;

  if (dataOffset > bytes.size()) return std::nullopt;
  // The colour table follows the information header, whatever its version.
  const uint64_t colours = bits > 8 ? 0 : usedColours ? usedColours : 1u << bits;
  const uint64_t tableStart = kFileHeaderBytes + headerSize;
  if (dataOffset < tableStart + colours * 4) return std::nullopt;  // the rows would overlap the headers

  const uint64_t rows = height < 0 ? -static_cast<int64_t>(height) : height;
  const uint64_t stride = (static_cast<uint64_t>(width) * bits + 31) / 32 * 4;
  if (stride > bytes.size() - dataOffset || rows > (bytes.size() - dataOffset) / stride) return std::nullopt;

  Palette palette{};
  for (uint64_t i = 0; i < colours && i < 256; ++i) std::memcpy(&palette[i * 3], b + tableStart + i * 4, 3);

  PixelPicture picture{PictureKind::kBmp, static_cast<uint32_t>(width), static_cast<uint32_t>(rows),
                       PixelBlock::Allocate(static_cast<uint64_t>(width) * rows * 3)};
  if (!picture.pixels) return std::nullopt;
  // The block's rows run bottom-up, as the rows of a file of positive height do.
  const uint64_t outStride = static_cast<uint64_t>(width) * 3;
  for (uint64_t row = 0; row < rows; ++row) {
    const uint64_t outRow = height > 0 ? row : rows - 1 - row;
    ExpandRow(b + dataOffset + row * stride, picture.pixels.data() + outRow * outStride, picture.width, bits, palette);
  }
  return picture;
}

}  // namespace vx
