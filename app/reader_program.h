// The reader as a compiled program: its header and entry routine.
#pragma once

#include "contract/program.h"

namespace voxlet {

// Built on first use: the template bytes are encoded at start-up.
const vx::ProgramHeader& ReaderHeader();
int ReaderEntry(const vx::RuntimeHelperTable* runtime);

}  // namespace voxlet
