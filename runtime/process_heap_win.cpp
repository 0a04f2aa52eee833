// The runtime heap over the process's default heap.
#include <windows.h>

#include "runtime/heap.h"

namespace vx::process_heap {
namespace {
HANDLE Heap() {
  static const HANDLE heap = GetProcessHeap();
  return heap;
}
}  // namespace

void* Alloc(size_t bytes) { return HeapAlloc(Heap(), 0, bytes); }
void* Realloc(void* block, size_t bytes) { return HeapReAlloc(Heap(), 0, block, bytes); }
void Release(void* block) { HeapFree(Heap(), 0, block); }

}  // namespace vx::process_heap
