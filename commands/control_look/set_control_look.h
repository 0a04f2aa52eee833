// The control-look library as the program links it: no unit types, one command.
#pragma once

#include "contract/program.h"
#include "contract/values.h"

namespace vx {

// Argument: the look style (integer; absent is 0). 1, 2 and 3 switch the flat look
// on for the calling thread's standard controls, those it has and those it
// creates later; any other style switches it off. Result (logical): switched on,
// whether the look is watching for new windows; switched off, whether it stopped.
void SetControlLook(MDATA* result, int count, MDATA* args);

const LibraryRecord& ControlLookLibrary();

}  // namespace vx
