// The thread library: starting a thread on a subroutine of the program, and
// closing a handle. It has no unit types and takes no runtime services.
#pragma once

#include "contract/program.h"
#include "contract/values.h"

namespace vx {

// (subroutine, [parameter], [handle variable by reference]) -> logical: created.
// Without a handle variable the new thread's handle is closed at once; with one it
// is stored there (0 when no thread was made) for the caller to close.
void StartThreadCommand(MDATA* result, int count, MDATA* args);
// (handle) -> logical: the platform closed it. A handle that is no handle gives
// false instead of a fault.
void CloseHandleCommand(MDATA* result, int count, MDATA* args);

const LibraryRecord& ThreadLibrary();

}  // namespace vx
