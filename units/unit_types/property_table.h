// Builds a unit type's property table at compile time: the eight common
// properties every type starts with, then the type's own rows from index 8.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "units/unit_type.h"

namespace vx {

constexpr int32_t kCommonPropertyCount = 8;
constexpr uint16_t kCommonPropertyFlags = 0xE000;

// One of a type's own properties as the unit Parts list it.
struct PropertyRow {
  int32_t index;
  uint16_t typeCode;
  uint16_t flags;
};

// The runtime serves these itself: Left, Top, Width, Height, Tag, Visible,
// Disabled, MousePointer.
constexpr std::array<uint16_t, kCommonPropertyCount> kCommonPropertyTypes = {
    property_type::kInteger, property_type::kInteger, property_type::kInteger, property_type::kInteger,
    property_type::kText,    property_type::kLogical, property_type::kLogical, property_type::kMousePointer};

// The rows must run 8, 9, 10, ... without a gap, since a property is known only by
// its position; a table that breaks this does not compile.
template <size_t N>
constexpr std::array<UnitPropertyInfo, kCommonPropertyCount + N> PropertyTable(const PropertyRow (&rows)[N]) {
  std::array<UnitPropertyInfo, kCommonPropertyCount + N> table{};
  for (int32_t i = 0; i < kCommonPropertyCount; ++i) {
    table[i] = {nullptr, nullptr, nullptr, kCommonPropertyTypes[i], kCommonPropertyFlags, nullptr};
  }
  for (size_t i = 0; i < N; ++i) {
    if (rows[i].index != kCommonPropertyCount + static_cast<int32_t>(i)) throw "property rows out of order";
    table[kCommonPropertyCount + i] = {nullptr, nullptr, nullptr, rows[i].typeCode, rows[i].flags, nullptr};
  }
  return table;
}

}  // namespace vx
