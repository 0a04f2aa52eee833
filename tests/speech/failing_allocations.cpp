#include "tests/speech/failing_allocations.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace vx::test {
namespace {

std::atomic<size_t> failingFrom{0};  // 0: nothing fails

}  // namespace

FailingAllocations::FailingAllocations(size_t fromBytes) { failingFrom = fromBytes; }
FailingAllocations::~FailingAllocations() { failingFrom = 0; }

}  // namespace vx::test

// The program's own operator new and delete replace the library's; the array and
// sized forms reach these.
void* operator new(size_t size) {
  size_t from = vx::test::failingFrom;
  if (from != 0 && size >= from) throw std::bad_alloc();
  if (void* block = std::malloc(size ? size : 1)) return block;
  throw std::bad_alloc();
}

void operator delete(void* block) noexcept { std::free(block); }
void operator delete(void* block, size_t) noexcept { std::free(block); }
