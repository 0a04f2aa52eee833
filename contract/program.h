// What a compiled program hands the runtime: its ProgramHeader, its libraries and
// its entry routine. The runtime reaches the program only through these.
#pragma once

#include <cstdint>

#include "contract/values.h"

namespace vx {

struct RuntimeHelperTable;
struct UnitTypeInfo;

// The runtime's service entry and a library's notice entry share one shape. Results
// are 32-bit values or, for the services that hand out memory, pointers.
using NotifyFn = intptr_t (*)(int32_t code, intptr_t param1, intptr_t param2);

// The notices a library receives: at start-up with the RuntimeNotify entry, and
// at the end of the program.
namespace library_notice {
constexpr int32_t kStart = 1;
constexpr int32_t kEnd = 6;
}  // namespace library_notice

// One library the program links: its notice entry and its table of unit types.
struct LibraryRecord {
  NotifyFn libraryNotify;
  uint32_t unitTypeCount;
  const UnitTypeInfo* unitTypes;  // by type number - 1; an empty slot is all zero
};

// The constant record a compiled program supplies, word by word.
struct ProgramHeader {
  uint32_t mode;  // non-zero: windows owned by the hidden owner, shown by StartPosition
  uint32_t reserved1;
  uint32_t reserved2;
  const void* codeBase;       // event handler offsets in the templates are relative to this
  const void* constantStart;  // the ConstantBlock
  uint32_t constantLength;
  const void* templateData;  // window templates
  uint32_t templateLength;
  uint32_t libraryCount;
  const LibraryRecord* libraries;
  uint32_t dllCommandCount;
  const char* const* dllFileNames;   // "" names no file: the system DLLs are searched
  const char* const* dllEntryNames;  // "#123" names an export by ordinal
};

using ProgramEntry = int (*)(const RuntimeHelperTable* runtime);

// The arguments of an event, in argument order. Each is widened to 64 bits as the
// dispatcher passes it: 32-bit values sign-extended, bytes zero-extended, 64-bit
// values (long integers, doubles, date-times) whole; addresses as pointers.
struct EventArguments {
  int count = 0;
  int64_t values[12] = {};

  int32_t Int(int i) const { return static_cast<int32_t>(values[i]); }
  int64_t Long(int i) const { return values[i]; }
  double Double(int i) const;
  void* Pointer(int i) const { return reinterpret_cast<void*>(static_cast<intptr_t>(values[i])); }
};

// An event handler of the program. The template binds a handler by the byte offset
// of its entry in the program's handler table, which the header's codeBase points
// at; offset 0 is the first handler.
struct ProgramHandler {
  int64_t (*function)(const EventArguments& arguments);
  bool returnsValue;  // a handler without a result leaves the unit's default action
};

}  // namespace vx
