#include "pictures/indexed_bitmap.h"

#include <cstring>

#include "pictures/byte_fields.h"

namespace vx {

PixelBlock MakeIndexedBitmap(uint32_t width, uint32_t height) {
  PixelBlock block = PixelBlock::Allocate(kIndexedHeaderBytes + IndexedStride(width) * height);
  if (!block) return block;
  std::memset(block.data(), 0, kIndexedHeaderBytes);
  uint8_t* header = block.data();
  PutLe32(header, kInfoHeaderBytes);
  PutLe32(header + 4, width);
  PutLe32(header + 8, 0u - height);  // negative: rows top-down
  PutLe16(header + 12, 1);           // planes
  PutLe16(header + 14, 8);           // bits a pixel
  return block;
}

}  // namespace vx
