#include "units/unit_base/movable_block.h"

#include <cstring>

namespace vx {

HGLOBAL MovableBlockFrom(std::span<const uint8_t> bytes) {
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
  if (!block) return nullptr;
  void* target = GlobalLock(block);
  if (!target) {
    GlobalFree(block);
    return nullptr;
  }
  if (!bytes.empty()) std::memcpy(target, bytes.data(), bytes.size());
  GlobalUnlock(block);
  return block;
}

}  // namespace vx
