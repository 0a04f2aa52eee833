// The runtime heap over the C library, for the native (sanitizer) build of the pure
// modules. realloc(p, 0) may free; keep the block alive with a 1-byte minimum.
#include <cstdlib>

#include "runtime/heap.h"

namespace vx::process_heap {

void* Alloc(size_t bytes) { return std::malloc(bytes ? bytes : 1); }
void* Realloc(void* block, size_t bytes) { return std::realloc(block, bytes ? bytes : 1); }
void Release(void* block) { std::free(block); }

}  // namespace vx::process_heap
