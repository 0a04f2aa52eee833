// Re-creating a unit whose property change could not be applied to its control.
#pragma once

#include <cstdint>

namespace vx {

// Rebuilds the unit's control from its current property data, at the same place,
// size and position in the z-order, keeping its ids and its child windows. Pending
// messages are handled first, and their handlers may unload the window: the unit
// is looked up afterwards, and nothing happens when it is gone.
void RecreateUnit(uint32_t windowId, uint32_t unitId);

}  // namespace vx
