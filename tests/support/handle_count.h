// The number of kernel handles this process holds. Wine answers 0 to
// GetProcessHandleCount; the system's handle list, which it serves per process,
// counts them.
#pragma once

#include <cstddef>

namespace vx::test {

size_t ProcessHandleCount();

// Whether the handles come back, within a second, to what they were before: a
// handle left per sound would leave one for each, while a lock makes its kernel
// object the first time two threads meet at it, once, and the threads of Wine's
// audio path close theirs a moment after their device closes.
bool HandlesComeBackTo(size_t before);

}  // namespace vx::test
