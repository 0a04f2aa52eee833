// Identifiers of windows and unit-list items: bits 24-27 give the class of the thing
// named, and for unit-list items bits 28-31 give its kind.
#pragma once

#include <cstdint>

namespace vx {

constexpr uint32_t IdClass(uint32_t id) { return (id >> 24) & 0xF; }
constexpr uint32_t IdKind(uint32_t id) { return id >> 28; }

constexpr uint32_t kWindowClass = 2;
constexpr uint32_t kItemClass = 6;
constexpr uint32_t kOwnUnitKind = 0;
constexpr uint32_t kUnitKind = 1;
constexpr uint32_t kMenuItemKind = 2;

// Valid only with non-zero class bits and non-zero low 24 bits.
constexpr bool IsValidId(uint32_t id) { return IdClass(id) != 0 && (id & 0xFFFFFF) != 0; }
constexpr bool IsWindowId(uint32_t id) { return IsValidId(id) && IdClass(id) == kWindowClass; }
constexpr bool IsMenuItemId(uint32_t id) { return IdClass(id) == kItemClass && IdKind(id) == kMenuItemKind; }

}  // namespace vx
