#include "pictures/pcx_reader.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "pictures/byte_fields.h"
#include "pictures/indexed_bitmap.h"

namespace vx {
namespace {

constexpr size_t kHeaderBytes = 128;
constexpr uint8_t kHighestVersion = 5;
constexpr uint8_t kLiteralLimit = 192;  // bytes up to it are pixel values, bytes above runs
constexpr uint32_t kLongestRun = 255 - kLiteralLimit;
constexpr uint8_t kPaletteMark = 12;
constexpr size_t kPaletteBytes = 768;

// Decodes `count` values of one row; a run does not go on into the next row.
// False when the data ends first.
bool DecodeRow(const uint8_t*& in, const uint8_t* end, uint8_t* out, uint32_t count) {
  uint8_t* const outEnd = out + count;
  while (out < outEnd) {
    if (in == end) return false;
    const uint8_t byte = *in++;
    if (byte <= kLiteralLimit) {
      *out++ = byte;
      continue;
    }
    if (in == end) return false;
    const auto run = std::min<size_t>(byte - kLiteralLimit, outEnd - out);
    std::memset(out, *in++, run);
    out += run;
  }
  return true;
}

}  // namespace

std::optional<PixelPicture> ReadPcx(std::span<const uint8_t> bytes) {
  if (bytes.size() <= kHeaderBytes) return std::nullopt;
  const uint8_t* b = bytes.data();
  const uint8_t version = b[1], bitsPerPixel = b[3], planes = b[65];
  const uint32_t xMin = Le16(b + 4), yMin = Le16(b + 6), xMax = Le16(b + 8), yMax = Le16(b + 10);
  const uint32_t bytesPerLine = Le16(b + 66);
  if (b[0] != kPcxManufacturer || b[2] != kPcxRunLengthEncoding || version > kHighestVersion) return std::nullopt;
  if (xMax < xMin || yMax < yMin || planes != 1 || (bitsPerPixel != 8 && bitsPerPixel != 1)) return std::nullopt;

  const uint32_t width = xMax - xMin + 1, height = yMax - yMin + 1;
  const bool indexed = bitsPerPixel == 8;
  // The bytes of a row that hold its pixels, and the row as stored: the indexed
  // bitmap's rows, or a monochrome bitmap's rows of whole 16-bit words.
  const uint32_t used = indexed ? width : (width + 7) / 8;
  const uint64_t stride = indexed ? IndexedStride(width) : (width + 15) / 16 * 2;
  if (bytesPerLine < used) return std::nullopt;
  // Each byte of data gives at most one run's worth of a row.
  const uint8_t* in = b + kHeaderBytes;
  const uint8_t* const end = b + bytes.size();
  if (uint64_t{height} * ((bytesPerLine + kLongestRun - 1) / kLongestRun) > static_cast<size_t>(end - in)) {
    return std::nullopt;
  }

  PixelBlock block = indexed ? MakeIndexedBitmap(width, height) : PixelBlock::Allocate(stride * height);
  if (!block) return std::nullopt;
  uint8_t* row = indexed ? IndexedRows(block) : block.data();
  const uint32_t kept = static_cast<uint32_t>(std::min<uint64_t>(bytesPerLine, stride));
  std::vector<uint8_t> wideRow(bytesPerLine > stride ? bytesPerLine : 0);
  for (uint32_t y = 0; y < height; ++y, row += stride) {
    if (!DecodeRow(in, end, wideRow.empty() ? row : wideRow.data(), bytesPerLine)) return std::nullopt;
    if (!wideRow.empty()) std::memcpy(row, wideRow.data(), kept);
    std::memset(row + kept, 0, stride - kept);
  }
  if (indexed && end - in > static_cast<ptrdiff_t>(kPaletteBytes) && *in++ == kPaletteMark) {
    for (uint32_t i = 0; i < kIndexedColours; ++i, in += 3) {
      uint8_t* colour = IndexedColour(block, i);
      colour[0] = in[2];
      colour[1] = in[1];
      colour[2] = in[0];
    }
  }
  return PixelPicture{indexed ? PictureKind::kPcx8 : PictureKind::kPcx1, width, height, std::move(block)};
}

}  // namespace vx
