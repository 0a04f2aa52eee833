// The runtime's side of the helper table: the table itself and the operations
// behind the slots that are more than a single call.
#pragma once

#include <cstdint>

#include "contract/helper_table.h"

namespace vx {

const RuntimeHelperTable& HelperTable();

// Library and core command calls: a zeroed result record, then the command.
MDATA CallLibraryCommand(int library, LibraryCommand command, int count, MDATA* args);
MDATA CallCoreCommand(LibraryCommand command, int count, MDATA* args);

// Copies an array held in the ConstantBlock to the heap before compiled code writes it.
void MakeArrayWritable(int32_t** variable, int elementSize);

[[noreturn]] void ExitProgram(int code);
void InitRuntime();

}  // namespace vx
