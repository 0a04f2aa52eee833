// The common dialog's method: a library command whose only argument is the unit
// reference (window id and unit id in its value, the unit type as its type).
#pragma once

#include "contract/values.h"

namespace vx {

// (unit) -> logical: the dialog DialogType names was confirmed, or the help viewer
// started.
void CommonDialogOpen(MDATA* result, int count, MDATA* args);

}  // namespace vx
