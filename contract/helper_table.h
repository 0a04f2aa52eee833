// The thirteen runtime operations compiled code calls, in their fixed order, and
// the numbers of the OtherHelper operations. Indexes are part of the interface.
#pragma once

#include <cstdint>

#include "contract/values.h"

namespace vx {

struct RuntimeHelperTable {
  void (*reportRuntimeError)(int code);   // 0
  void* (*resolveDllCommand)(int index);  // 1: the program then calls the address itself
  MDATA (*callLibraryCommand)(int library, LibraryCommand command, int count, MDATA* args);  // 2
  MDATA (*callCoreCommand)(LibraryCommand command, int count, MDATA* args);                  // 3
  uint64_t (*readUnitProperty)(uint32_t window, uint32_t unit, int index, int arrayIndex);   // 4
  void (*writeUnitProperty)(uint32_t window, uint32_t unit, int index, int arrayIndex, uint32_t valueLow,
                            uint32_t valueHigh);    // 5
  void* (*allocate)(int32_t bytes);                 // 6
  void* (*reallocate)(void* block, int32_t bytes);  // 7
  void (*free)(void* block);                        // 8
  void (*exitProgram)(int code);                    // 9
  void (*runMessageLoop)();                         // 10
  void (*loadStartupWindow)(uint32_t window);       // 11
  int64_t (*otherHelper)(int number, ...);          // 12
};

namespace other_helper {
constexpr int kFindFile = 0;             // (pattern, attribute mask, non-directory flag, void** handle) -> text
constexpr int kCloseFileSearch = 1;      // (handle)
constexpr int kMakeArrayWritable = 2;    // (int32_t** variable, element size)
constexpr int kRegisterExitRoutine = 3;  // (routine)
constexpr int kReadObjectProperty = 4;   // (unit type, object, index, array index) -> value
constexpr int kWriteObjectProperty = 5;  // (unit type, object, index, array index, low, high)
constexpr int kInitRuntime = 6;          // ()
}  // namespace other_helper

}  // namespace vx
