// What every unit has: the eight common properties the runtime serves itself, and
// the flags word each unit's template record stores beside them.
#pragma once

#include <cstdint>

namespace vx {

// Indexes 0 to 7 of every unit type; a type's own properties start at 8 and reach
// its operations with the index reduced by 8.
namespace common_property {
constexpr int kLeft = 0;
constexpr int kTop = 1;
constexpr int kWidth = 2;
constexpr int kHeight = 3;
constexpr int kTag = 4;
constexpr int kVisible = 5;
constexpr int kDisabled = 6;
constexpr int kMousePointer = 7;
constexpr int kCount = 8;
}  // namespace common_property

// Positions are clamped to -32627..32627, sizes to 0..32627.
constexpr int32_t kPositionLimit = 32627;

// The state flags word of a unit record.
constexpr uint32_t kUnitVisible = 1;
constexpr uint32_t kUnitDisabled = 2;
constexpr uint32_t kUnitTakesFocus = 4;

// The one window property the runtime reads itself: how a loaded window is first
// shown.
constexpr int32_t kWindowStartPositionProperty = 18;
namespace start_position {
constexpr int32_t kNormal = 0;
constexpr int32_t kCentred = 1;
constexpr int32_t kMinimised = 2;
constexpr int32_t kMaximised = 3;
}  // namespace start_position

}  // namespace vx
