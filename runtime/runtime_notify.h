// RuntimeNotify: the one numbered entry through which units and libraries ask the
// runtime for services (codes in contract/notify_codes.h). Codes not served return 0.
#pragma once

#include <cstdint>

#include "contract/notify_codes.h"

namespace vx {

intptr_t RuntimeNotify(int32_t code, intptr_t param1, intptr_t param2);

// Destroys the program icons that code 1000 loaded (at the end of the program).
void DestroyProgramIcons();

}  // namespace vx
