// The test program's allocations, made to fail on demand: while a
// FailingAllocations lives, operator new throws std::bad_alloc for every block of
// at least its size, on every thread, as a 32-bit process short of address space
// would for the large ones.
#pragma once

#include <cstddef>

namespace vx::test {

class FailingAllocations {
 public:
  explicit FailingAllocations(size_t fromBytes);
  ~FailingAllocations();
  FailingAllocations(const FailingAllocations&) = delete;
  FailingAllocations& operator=(const FailingAllocations&) = delete;
};

}  // namespace vx::test
