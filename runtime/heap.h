// The runtime heap: every block that compiled code, the runtime or a library hands
// around comes from here. Pointers into the program's ConstantBlock are never freed
// or resized in place.
#pragma once

#include <cstddef>
#include <cstdint>

namespace vx {

// Never returns null: failure is the fatal "分配 %d 字节内存失败!".
void* Allocate(int32_t bytes);
// The same, but null on failure (RuntimeNotify 2024 with param2 set).
void* AllocateOrNull(int32_t bytes);
// Null behaves as Allocate. A constant is copied, at most up to the end of the
// ConstantBlock, into a fresh block and left alone.
void* Reallocate(void* block, int32_t bytes);
// No-op for null and for pointers into the ConstantBlock.
void Free(void* block);

// The program's constant data, recorded at start-up and forgotten at clean-up.
void SetConstantBlock(const void* start, uint32_t length);
void ForgetConstantBlock();
bool InConstantBlock(const void* p);

// The process heap underneath, one implementation per platform.
namespace process_heap {
void* Alloc(size_t bytes);
void* Realloc(void* block, size_t bytes);
void Release(void* block);
}  // namespace process_heap

}  // namespace vx
