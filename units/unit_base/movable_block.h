// The block GetAllPropertyData hands the runtime: a movable global memory block.
#pragma once

#include <windows.h>

#include <cstdint>
#include <span>

namespace vx {

// The bytes in a new movable global memory block of exactly their length; null
// when it cannot be allocated.
HGLOBAL MovableBlockFrom(std::span<const uint8_t> bytes);

}  // namespace vx
