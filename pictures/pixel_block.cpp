#include "pictures/pixel_block.h"

#include <new>

namespace vx {

PixelBlock PixelBlock::Allocate(uint64_t size) {
  PixelBlock block;
  if (size == 0 || size > kMaxPixelBytes) return block;
  block.bytes_.reset(new (std::nothrow) uint8_t[size]);
  if (block.bytes_) block.size_ = static_cast<uint32_t>(size);
  return block;
}

}  // namespace vx
