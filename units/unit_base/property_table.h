// A unit type's properties, one row each: its index, its stored name, its type
// code and flags, where the value lives in the type's property data, its clamp,
// and what applying a new value does. Reading, writing and the type's
// UnitPropertyInfo rows are all served from the rows (unit_operations.h); only
// real side effects are functions of the unit.
//
//   {11, "BackColour", pt::kBackgroundColour, 0x8000, &WindowData::backColour, {}, Effect::kRepaint},
//   {28, "Shape", pt::kPickList, 0x8000, &WindowData::shape, PickList(30), Call(&WindowUnit::ApplyShape)},
#pragma once

#include <algorithm>
#include <array>
#include <climits>
#include <cstddef>
#include <cstdint>

#include "contract/common_properties.h"
#include "contract/unit_type.h"
#include "units/unit_base/property_stream.h"
#include "units/unit_base/value_clamps.h"

namespace vx {

namespace pt = property_type;

enum class Effect : uint8_t {
  kStore,                // only kept
  kRepaint,              // kept, the control repainted
  kRecreate,             // kept, the control re-created from the property data
  kRecreateWhenChanged,  // the same, only when the stored value changed
  kCall,                 // kept, then the unit's own function applies it
};

template <class UnitClass>
struct Apply {
  constexpr Apply(Effect effect = Effect::kStore) : effect(effect) {}
  constexpr explicit Apply(int32_t (*call)(UnitClass&, const RawPropertyValue&)) : effect(Effect::kCall), call(call) {}

  Effect effect;
  // 1 when the control must be re-created to take the value.
  int32_t (*call)(UnitClass& unit, const RawPropertyValue& value) = nullptr;
};

// The unit's own function that applies a property; it returns 1 to have the
// control re-created.
template <class UnitClass>
constexpr Apply<UnitClass> Call(int32_t (*call)(UnitClass&, const RawPropertyValue&)) {
  return Apply<UnitClass>(call);
}

template <class UnitClass>
struct PropertyRow {
  int32_t index;
  const char* name;  // the stored name; the program knows a property by its index only
  uint16_t typeCode;
  uint16_t flags;
  FieldRef<typename UnitClass::Data> field;
  Clamp clamp = {};
  Apply<UnitClass> apply = {};
  // Reads the value from the live control instead of the property data; false
  // for no value.
  bool (*readLive)(UnitClass& unit, RawPropertyValue& value) = nullptr;
};

// The runtime serves these itself: Left, Top, Width, Height, Tag, Visible,
// Disabled, MousePointer.
inline constexpr std::array<uint16_t, common_property::kCount> kCommonPropertyTypes = {
    pt::kInteger, pt::kInteger, pt::kInteger, pt::kInteger, pt::kText, pt::kLogical, pt::kLogical, pt::kMousePointer};
inline constexpr uint16_t kCommonPropertyFlags = 0xE000;

// The type's UnitPropertyInfo table: the eight common rows, then one per row. The
// rows must run 8, 9, 10, ... without a gap, since a property is known only by its
// position; a table that breaks this does not compile.
template <class UnitClass, size_t N>
constexpr std::array<UnitPropertyInfo, common_property::kCount + N> PropertyInfos(
    const PropertyRow<UnitClass> (&rows)[N]) {
  std::array<UnitPropertyInfo, common_property::kCount + N> table{};
  for (int32_t i = 0; i < common_property::kCount; ++i) {
    table[i] = {nullptr, nullptr, nullptr, kCommonPropertyTypes[i], kCommonPropertyFlags, nullptr};
  }
  for (size_t i = 0; i < N; ++i) {
    if (rows[i].index != common_property::kCount + static_cast<int32_t>(i)) throw "property rows out of order";
    table[common_property::kCount + i] = {nullptr, nullptr, nullptr, rows[i].typeCode, rows[i].flags, nullptr};
  }
  return table;
}

}  // namespace vx
