#include "runtime/heap.h"

#include <cstdio>
#include <cstring>

#include "runtime/runtime_error.h"

namespace vx {
namespace {

const uint8_t* constant_start = nullptr;
const uint8_t* constant_end = nullptr;

[[noreturn]] void AllocationFailed(int32_t bytes) {
  char message[100];
  std::snprintf(message, sizeof message, "分配 %d 字节内存失败!", bytes);
  RaiseRuntimeError(message, 0);
}

// Negative counts come from arithmetic gone wrong in the caller; they fail like
// any other impossible request instead of wrapping to a huge size.
bool ValidCount(int32_t bytes) { return bytes >= 0; }

}  // namespace

void* Allocate(int32_t bytes) {
  void* block = AllocateOrNull(bytes);
  if (!block) AllocationFailed(bytes);
  return block;
}

void* AllocateOrNull(int32_t bytes) {
  return ValidCount(bytes) ? process_heap::Alloc(static_cast<size_t>(bytes)) : nullptr;
}

void* Reallocate(void* block, int32_t bytes) {
  if (!block) return Allocate(bytes);
  if (InConstantBlock(block)) {
    void* copy = Allocate(bytes);
    size_t available = static_cast<size_t>(constant_end - static_cast<const uint8_t*>(block));
    std::memcpy(copy, block, available < static_cast<size_t>(bytes) ? available : bytes);
    return copy;
  }
  void* moved = ValidCount(bytes) ? process_heap::Realloc(block, static_cast<size_t>(bytes)) : nullptr;
  if (!moved) AllocationFailed(bytes);
  return moved;
}

void Free(void* block) {
  if (block && !InConstantBlock(block)) process_heap::Release(block);
}

void SetConstantBlock(const void* start, uint32_t length) {
  constant_start = static_cast<const uint8_t*>(start);
  constant_end = constant_start + length;
}

void ForgetConstantBlock() { constant_start = constant_end = nullptr; }

bool InConstantBlock(const void* p) {
  auto* byte = static_cast<const uint8_t*>(p);
  return constant_start && byte >= constant_start && byte < constant_end;
}

}  // namespace vx
