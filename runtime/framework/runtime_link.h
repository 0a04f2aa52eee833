// A library's line to the runtime: the RuntimeNotify entry it was handed with its
// start notice, and each service libraries take through it as a typed call.
// Libraries never call the runtime by a linked name. While a link is not connected
// every service answers nothing (0, null).
#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>

#include "contract/events.h"
#include "contract/program.h"
#include "runtime/framework/window_units.h"

namespace vx {

class UnitObject;

class RuntimeLink {
 public:
  void Connect(NotifyFn entry) { entry_ = entry; }
  bool connected() const { return entry_ != nullptr; }

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

  // A unit's event, with the handler's answer. The handler may destroy the unit.
  EventAnswer RaiseEvent(uint32_t windowId, uint32_t unitId, int32_t event,
                         std::initializer_list<int32_t> arguments = {}) const;
  // The unit's object, or null when its window is not loaded or it has no object.
  UnitObject* FindUnit(uint32_t windowId, uint32_t unitId) const;
  // The same, for a unit that must exist: a missing one is a fatal error.
  UnitObject* ExistingUnit(uint32_t windowId, uint32_t unitId) const;
  // A unit's control is going away: the runtime forgets its object.
  void UnitDestroyed(uint32_t windowId, uint32_t unitId) const;
  // A loaded window's units as its window unit sees them.
  WindowUnitList WindowUnits(uint32_t windowId) const;

  // The program header's mode word: non-zero when its windows are owned by the
  // hidden owner window.
  uint32_t ProgramMode() const;
  // The runtime's hidden owner window (a window handle).
  void* HiddenOwner() const;
  // A new text: the program's folder without a trailing backslash.
  char* ProgramDirectory() const;
  // A numeric argument as a 32-bit integer; a non-numeric one is a fatal error.
  int32_t ToInteger(const MDATA& value) const;

 private:
  intptr_t Notify(int32_t code, intptr_t param1 = 0, intptr_t param2 = 0) const;

  NotifyFn entry_ = nullptr;
};

// The core library's link. The library is built as two parts, its unit types
// (units/) and its commands (commands/core/), which share the one link its start
// notice connects.
RuntimeLink& CoreLibraryLink();

}  // namespace vx
