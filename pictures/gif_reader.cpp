#include "pictures/gif_reader.h"

#include <cstring>
#include <vector>

#include "pictures/byte_fields.h"
#include "pictures/indexed_bitmap.h"
#include "pictures/lzw_decoder.h"
#include "runtime/framework/archive_reader.h"

namespace vx {
namespace {

constexpr size_t kHeaderBytes = 13;
constexpr size_t kImageDescriptorBytes = 9;  // after its 0x2C
constexpr uint8_t kExtension = 0x21, kImage = 0x2C;
constexpr uint8_t kPlainText = 0x01, kGraphicControl = 0xF9, kComment = 0xFE, kApplication = 0xFF;
constexpr uint8_t kHasColourTable = 0x80, kInterlaced = 0x40, kHasTransparency = 0x01;

struct Interlace {
  uint32_t first, step;
};
constexpr Interlace kInterlacePasses[] = {{0, 8}, {4, 8}, {2, 4}, {1, 2}};

// A packed byte's colour table: 1 << ((packed AND 7) + 1) entries of 3 bytes.
size_t ColourTableBytes(uint8_t packed) { return packed & kHasColourTable ? size_t{3} << ((packed & 7) + 1) : 0; }

uint8_t Byte(ArchiveReader& in) {
  std::span<const uint8_t> b = in.Bytes(1);
  return b.empty() ? 0 : b[0];
}

// Reads sub-blocks up to their zero terminator, keeping their bytes in `into`.
bool SubBlocks(ArchiveReader& in, std::vector<uint8_t>& into) {
  for (uint8_t size = Byte(in); in.ok() && size != 0; size = Byte(in)) {
    std::span<const uint8_t> block = in.Bytes(size);
    into.insert(into.end(), block.begin(), block.end());
  }
  return in.ok();
}

// Every row of the image in the order its pixels come: top to bottom, or in the
// four passes of an interlaced image.
std::vector<uint32_t> RowOrder(uint32_t height, bool interlaced) {
  std::vector<uint32_t> order;
  order.reserve(height);
  for (const Interlace& pass : interlaced ? std::span(kInterlacePasses) : std::span(kInterlacePasses, 1)) {
    const uint32_t step = interlaced ? pass.step : 1;
    for (uint32_t row = pass.first; row < height; row += step) order.push_back(row);
  }
  return order;
}

std::optional<PixelBlock> ReadImage(ArchiveReader& in, std::span<const uint8_t> globalTable, int transparentIndex) {
  std::span<const uint8_t> descriptor = in.Bytes(kImageDescriptorBytes);
  if (descriptor.empty()) return std::nullopt;
  const uint32_t width = Le16(&descriptor[4]), height = Le16(&descriptor[6]);
  const uint8_t packed = descriptor[8];
  std::span<const uint8_t> localTable = in.Bytes(ColourTableBytes(packed));
  const uint32_t minimumCodeSize = Byte(in);
  std::vector<uint8_t> codes;
  if (!SubBlocks(in, codes) || width == 0 || height == 0 || minimumCodeSize < 1 || minimumCodeSize > 8) {
    return std::nullopt;
  }
  // No code is shorter than minimumCodeSize + 1 bits, or stands for more than a
  // dictionary's worth of pixels: a larger image cannot come from these codes.
  const uint64_t pixels = uint64_t{width} * height;
  if (pixels > uint64_t{codes.size()} * 8 / (minimumCodeSize + 1) * kLzwDictionarySize) return std::nullopt;

  PixelBlock block = MakeIndexedBitmap(width, height);
  if (!block) return std::nullopt;
  std::span<const uint8_t> table = localTable.empty() ? globalTable : localTable;
  for (uint32_t i = 0; i < table.size() / 3; ++i) {
    uint8_t* colour = IndexedColour(block, i);
    colour[0] = table[i * 3 + 2];
    colour[1] = table[i * 3 + 1];
    colour[2] = table[i * 3];
  }
  if (transparentIndex >= 0) IndexedColour(block, transparentIndex)[3] = kTransparentEntry;

  const bool interlaced = packed & kInterlaced;
  const size_t stride = IndexedStride(width), count = static_cast<size_t>(pixels);  // the block holds them
  uint8_t* rows = IndexedRows(block);
  if (!interlaced && stride == width) {
    if (!DecodeLzw(codes, minimumCodeSize, {rows, count})) return std::nullopt;
    return block;
  }
  std::vector<uint8_t> decoded(count);
  if (!DecodeLzw(codes, minimumCodeSize, decoded)) return std::nullopt;
  const uint8_t* from = decoded.data();
  for (uint32_t row : RowOrder(height, interlaced)) {
    uint8_t* to = rows + row * stride;
    std::memcpy(to, from, width);
    std::memset(to + width, 0, stride - width);
    from += width;
  }
  return block;
}

}  // namespace

std::optional<PixelPicture> ReadGif(std::span<const uint8_t> bytes) {
  if (bytes.size() <= kHeaderBytes) return std::nullopt;
  const uint8_t* b = bytes.data();
  if (std::memcmp(b, "GIF8", 4) != 0 || (b[4] != '7' && b[4] != '9') || b[5] != 'a') return std::nullopt;
  const uint32_t width = Le16(b + 6), height = Le16(b + 8);
  const size_t globalBytes = ColourTableBytes(b[10]);
  if (bytes.size() <= kHeaderBytes + globalBytes || width == 0 || height == 0) return std::nullopt;

  ArchiveReader in(bytes.subspan(kHeaderBytes + globalBytes));
  int transparentIndex = -1;
  std::vector<uint8_t> extension;
  // The blocks up to the first image. The trailer, a zero byte or an unknown block
  // before it means the stream has no image (walking it again would find none).
  for (;;) {
    const uint8_t block = Byte(in);
    if (!in.ok()) return std::nullopt;
    if (block == kImage) break;
    if (block != kExtension) return std::nullopt;
    const uint8_t label = Byte(in);
    if (label != kGraphicControl && label != kPlainText && label != kApplication && label != kComment) {
      return std::nullopt;
    }
    extension.clear();
    if (!SubBlocks(in, extension)) return std::nullopt;
    // Packed fields, delay, transparent colour index.
    if (label == kGraphicControl && extension.size() >= 4) {
      transparentIndex = extension[0] & kHasTransparency ? extension[3] : -1;
    }
  }
  std::optional<PixelBlock> image = ReadImage(in, bytes.subspan(kHeaderBytes, globalBytes), transparentIndex);
  if (!image) return std::nullopt;
  return PixelPicture{PictureKind::kGif, width, height, std::move(*image)};
}

}  // namespace vx
