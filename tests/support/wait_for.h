// Waiting for something a test cannot be told about: polled until it holds or the
// time is up.
#pragma once

#include <windows.h>

#include <functional>

namespace vx::test {

// Whether `done` held within the milliseconds given.
inline bool WaitFor(const std::function<bool()>& done, DWORD milliseconds) {
  const DWORD start = GetTickCount();
  while (!done()) {
    if (GetTickCount() - start > milliseconds) return false;
    Sleep(5);
  }
  return true;
}

}  // namespace vx::test
