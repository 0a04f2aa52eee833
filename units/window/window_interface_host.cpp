// Where windows do not exist (the host build of the pure modules) the window
// type offers no operations.
#include "units/window/window_interface.h"

namespace vx {

void* WindowUnitOperations(int32_t) { return nullptr; }

}  // namespace vx
