// The reader as a compiled program: its header and entry routine.
#pragma once

#include "runtime/program.h"

namespace voxlet {

extern const vx::ProgramHeader kReaderHeader;
int ReaderEntry(const vx::RuntimeHelperTable* runtime);

}  // namespace voxlet
