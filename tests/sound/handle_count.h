// The number of kernel handles this process holds. Wine answers 0 to
// GetProcessHandleCount; the system's handle list, which it serves per process,
// counts them.
#pragma once

#include <cstddef>

namespace vx::test {

size_t ProcessHandleCount();

}  // namespace vx::test
