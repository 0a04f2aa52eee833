// A unit type's properties, one row each: its index (from the type's own enum), its
// stored name, its type code and extra flags, where the value lives in the type's
// property data, its clamp, and what applying a value does to the control. Reading,
// writing, the type's UnitPropertyInfo table and the building of a new control are
// all served from the rows (unit_operations.h), so creation and change cannot
// disagree; only real side effects are functions of the unit.
//
//   {P::kCaption, "Caption", pt::kText, kPlain, &D::caption, {}, Effect::kWindowText},
//   {P::kShape, "Shape", pt::kPickList, kPlain, &D::shape, PickList(30), Call(&W::ApplyShape)},
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "contract/common_properties.h"
#include "contract/unit_type.h"
#include "units/unit_base/property_stream.h"
#include "units/unit_base/value_clamps.h"

namespace vx {

namespace pt = property_type;

// Flags a row adds to the kListed bit every property has.
constexpr uint16_t kPlain = 0;
constexpr uint16_t kQualifier = property_flag::kQualifiesPrevious;

// What applying a value does. A new control is made with the values the unit's
// Create reads itself (its styles and text: kRecreate, kRecreateWhenChanged,
// kInPlace, kWindowText), then every row that acts on a live control (kFont,
// kBorder, kBackBrush, kCall) is applied in row order; a change applies its row
// alone. A row's call follows its effect wherever the effect acts.
enum class Effect : uint8_t {
  kStore,                // only kept
  kRepaint,              // change: the control repainted
  kRecreate,             // change: the control made again from the property data
  kRecreateWhenChanged,  // the same, only when the stored value changed
  kInPlace,              // change: the unit's call puts it into the live control
  kWindowText,           // change: the control's window text set
  kFont,                 // the unit's font made and given to the control
  kBorder,               // the shared border styles applied in place
  kBackBrush,            // the unit's background brush made; change: redrawn
  kCall,                 // the unit's call, at creation and on a change
};

template <class UnitClass>
struct Apply {
  // The unit's function gets the value as stored (after the clamp); it returns 1
  // to have the control made again.
  using Function = int32_t (*)(UnitClass&, const RawPropertyValue&);

  constexpr Apply(Effect effect = Effect::kStore, Function call = nullptr) : effect(effect), call(call) {}

  Effect effect;
  Function call;
};

template <class UnitClass>
constexpr Apply<UnitClass> Call(int32_t (*call)(UnitClass&, const RawPropertyValue&)) {
  return {Effect::kCall, call};
}
template <class UnitClass>
constexpr Apply<UnitClass> InPlace(int32_t (*call)(UnitClass&, const RawPropertyValue&)) {
  return {Effect::kInPlace, call};
}

template <class UnitClass>
struct PropertyRow {
  int32_t index;
  const char* name;  // the stored name; the program knows a property by its index only
  uint16_t typeCode;
  uint16_t flags;  // beyond property_flag::kListed
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

// The type's UnitPropertyInfo table: the eight common rows, then one per row. The
// rows must run 8, 9, 10, ... without a gap, since a property is known only by its
// position; a table that breaks this does not compile.
template <class UnitClass, size_t N>
constexpr std::array<UnitPropertyInfo, common_property::kCount + N> PropertyInfos(
    const PropertyRow<UnitClass> (&rows)[N]) {
  std::array<UnitPropertyInfo, common_property::kCount + N> table{};
  for (int32_t i = 0; i < common_property::kCount; ++i) {
    table[i] = {nullptr, nullptr, nullptr, kCommonPropertyTypes[i], property_flag::kCommon, nullptr};
  }
  for (size_t i = 0; i < N; ++i) {
    if (rows[i].index != common_property::kCount + static_cast<int32_t>(i)) throw "property rows out of order";
    table[common_property::kCount + i] = {
        nullptr, nullptr, nullptr, rows[i].typeCode, static_cast<uint16_t>(property_flag::kListed | rows[i].flags),
        nullptr};
  }
  return table;
}

}  // namespace vx
