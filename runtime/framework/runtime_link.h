// A library's line to the runtime: the RuntimeNotify entry it was handed with its
// start notice, and the services every library takes through it. Libraries never
// call the runtime by a linked name.
#pragma once

#include <cstddef>
#include <cstdint>

#include "contract/program.h"

namespace vx {

class RuntimeLink {
 public:
  void Connect(NotifyFn entry) { entry_ = entry; }
  bool connected() const { return entry_ != nullptr; }

  // The service's answer; 0 while the library is not connected.
  intptr_t Notify(int32_t code, intptr_t param1 = 0, intptr_t param2 = 0) const;

  // Texts and byte sets on the runtime heap, owned by whoever receives them; null
  // for the empty text or set (the runtime's rule). Allocation failure is fatal.
  char* CopyText(const char* text) const;
  char* MakeText(const char* bytes, size_t length) const;
  int32_t* MakeByteSet(const void* bytes, size_t length) const;
  void Free(void* block) const;
  // A raw block of the runtime heap.
  void* Allocate(size_t bytes) const;

  // A fatal runtime error with the library's own message; never returns.
  [[noreturn]] void RaiseError(const char* message) const;

 private:
  NotifyFn entry_ = nullptr;
};

// The core library's link: its unit types and its commands live in two folders
// and share this one.
RuntimeLink& CoreRuntime();

}  // namespace vx
