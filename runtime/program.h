// What a compiled program hands the runtime: its ProgramHeader and its entry
// routine. The runtime reaches the program only through these.
#pragma once

#include <cstdint>

#include "runtime/values.h"

namespace vx {

struct RuntimeHelperTable;

// The runtime's service entry and a library's notice entry share one shape. Results
// are 32-bit values or, for the services that hand out memory, pointers.
using NotifyFn = intptr_t (*)(int32_t code, intptr_t param1, intptr_t param2);

// One library the program links: its notice entry and its table of unit types.
struct LibraryRecord {
  NotifyFn libraryNotify;
  uint32_t unitTypeCount;
  const void* const* unitTypes;  // UnitTypeInfo records, by type number - 1
};

// The constant record a compiled program supplies, word by word.
struct ProgramHeader {
  uint32_t mode;               // non-zero: windows owned by the hidden owner, shown by StartPosition
  uint32_t reserved1;
  uint32_t reserved2;
  const void* codeBase;        // event handler offsets in the templates are relative to this
  const void* constantStart;   // the ConstantBlock
  uint32_t constantLength;
  const void* templateData;    // window templates
  uint32_t templateLength;
  uint32_t libraryCount;
  const LibraryRecord* libraries;
  uint32_t dllCommandCount;
  const char* const* dllFileNames;   // "" names no file: the system DLLs are searched
  const char* const* dllEntryNames;  // "#123" names an export by ordinal
};

using ProgramEntry = int (*)(const RuntimeHelperTable* runtime);

// The process entry: runs the program's entry routine, then the clean-up, and
// returns the process exit code.
int RunProgram(const ProgramHeader& header, ProgramEntry entry);

}  // namespace vx
