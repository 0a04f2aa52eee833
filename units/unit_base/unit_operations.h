// The unit operations every type offers, served from its property rows:
// CreateUnit, PropertyChanged, GetAllPropertyData, GetPropertyData and WalkTexts,
// and the type's own WantsKey and IsDefaultButton when its unit class has them. A
// type is declared by its record over its rows:
//
//   const UnitTypeInfo& EditBoxUnitType() {
//     static constexpr UnitTypeInfo kType = UnitTypeOf<EditBoxUnit, kRows>({"编辑框", "EditBox"}, kStateFlags);
//     return kType;
//   }
//
// UnitClass derives from DataUnit<Data>, is constructed from (window id, unit id)
// and makes its control with `bool Create(const UnitPlacement&)` from the values
// its styles and text take; rows that use the unit's font or brush need `font()`
// and `brush()` of it.
#pragma once

#include <windows.h>

#include <algorithm>
#include <memory>
#include <string>
#include <type_traits>

#include "runtime/framework/runtime_link.h"
#include "runtime/framework/unit_object.h"
#include "runtime/framework/unit_type_record.h"
#include "runtime/framework/window_text.h"
#include "units/unit_base/apply_border_style.h"
#include "units/unit_base/control_colours.h"
#include "units/unit_base/data_unit.h"
#include "units/unit_base/movable_block.h"
#include "units/unit_base/property_table.h"

namespace vx {

// The raw form of a stored value and back; false when the field's kind has no
// raw form of its own (the row then reads or applies through functions).
bool StoreRaw(int32_t& field, const RawPropertyValue& value, const Clamp& clamp);
bool StoreRaw(uint32_t& field, const RawPropertyValue& value, const Clamp& clamp);
bool StoreRaw(std::string& field, const RawPropertyValue& value, const Clamp& clamp);
bool StoreRaw(Bytes& field, const RawPropertyValue& value, const Clamp& clamp);
bool StoreRaw(TextList& field, const RawPropertyValue& value, const Clamp& clamp);
bool LoadRaw(const int32_t& field, RawPropertyValue& value);
bool LoadRaw(const uint32_t& field, RawPropertyValue& value);
bool LoadRaw(const std::string& field, RawPropertyValue& value);
bool LoadRaw(const Bytes& field, RawPropertyValue& value);
bool LoadRaw(const TextList& field, RawPropertyValue& value);

// WalkTexts for one text: the callback gets a runtime heap copy it may convert in
// place or replace (freeing the copy); a font's face name goes with flag 1.
void WalkText(std::string& text, TextCallback callback, intptr_t userValue);
void WalkFontFace(Bytes& font, TextCallback callback, intptr_t userValue);

template <class UnitClass, const auto& kRows>
struct UnitOperations {
  using Data = typename UnitClass::Data;
  using Row = PropertyRow<UnitClass>;

  static constexpr auto kPropertyInfos = PropertyInfos(kRows);

  // A row may use the unit's font or brush only when the unit has one.
  static consteval bool RowsFitTheUnit() {
    constexpr bool hasFont = requires(UnitClass & unit) { unit.font(); };
    constexpr bool hasBrush = requires(UnitClass & unit) { unit.brush(); };
    return std::ranges::none_of(kRows, [](const Row& row) {
      return (row.apply.effect == Effect::kFont && !hasFont) || (row.apply.effect == Effect::kBackBrush && !hasBrush);
    });
  }
  static_assert(RowsFitTheUnit(), "a row uses a font or brush its unit does not have");

  // A type whose property data holds no text (nor a font's face name) offers no
  // WalkTexts.
  static constexpr bool kHoldsTexts = std::ranges::any_of(kRows, [](const Row& row) {
    bool text = false;
    VisitField(row.field, [&](auto member) {
      using Field = std::remove_reference_t<decltype(Data{}.*member)>;
      text = std::is_same_v<Field, std::string> || std::is_same_v<Field, TextList> || row.typeCode == pt::kFont;
    });
    return text;
  });

  static const Row* RowAt(int32_t index) {
    constexpr auto kCount = static_cast<int32_t>(std::size(kRows));
    return index >= 0 && index < kCount ? &kRows[index] : nullptr;
  }

  // The row's stored value in its raw form; false when the row keeps none.
  static bool StoredValue(UnitClass& unit, const Row& row, RawPropertyValue& value) {
    bool stored = false;
    VisitField(row.field, [&](auto member) { stored = LoadRaw(unit.data().*member, value); });
    return stored;
  }

  // Applies a row's value to the live control; 1 when the control must be made
  // again to take it.
  static int32_t ApplyRow(UnitClass& unit, const Row& row, const RawPropertyValue& value, bool creating, bool changed) {
    HWND control = unit.handle();
    auto call = row.apply.call;
    switch (row.apply.effect) {
      case Effect::kStore:
        return 0;
      case Effect::kRepaint:
        if (!creating) RedrawWithColours(control);
        return 0;
      case Effect::kRecreate:
        if (call) call(unit, value);
        return 1;
      case Effect::kRecreateWhenChanged:
        return changed ? 1 : 0;
      case Effect::kInPlace:
        return call(unit, value);
      case Effect::kWindowText:
        SetGbkWindowText(control, value.text ? value.text : "");
        break;
      case Effect::kFont:
        if constexpr (requires { unit.font(); }) unit.font().Apply(control, BytesOf(value));
        break;
      case Effect::kBorder:
        ApplyBorderStyle(control, value.integer);
        break;
      case Effect::kBackBrush:
        if constexpr (requires { unit.brush(); }) unit.brush().Make(value.word);
        if (!creating) RedrawWithColours(control);
        break;
      case Effect::kCall:
        break;
    }
    return call ? call(unit, value) : 0;
  }

  static bool ActsOnANewControl(Effect effect) {
    return effect == Effect::kFont || effect == Effect::kBorder || effect == Effect::kBackBrush ||
           effect == Effect::kCall;
  }

  // The unit makes its control from the values its styles and text take; then
  // every row that acts on a live control is applied, as a change would apply it.
  // One owner at a time: the creator until the control exists, then the window.
  static UnitInstance Create(const uint8_t* record, int32_t recordLength, uint32_t styleBits, void* parent,
                             uint32_t controlId, uint32_t menu, int32_t x, int32_t y, int32_t width, int32_t height,
                             uint32_t windowId, uint32_t unitId, uint32_t embedded, int32_t designFlag) {
    auto unit = std::make_unique<UnitClass>(windowId, unitId);
    std::span<const uint8_t> stored;
    if (record && recordLength > 0) stored = {record, static_cast<size_t>(recordLength)};
    if (!LoadProperties(unit->data(), stored)) return nullptr;
    unit->SetDesignFlag(designFlag);
    UnitPlacement placement = {styleBits,
                               static_cast<HWND>(parent),
                               controlId,
                               reinterpret_cast<HMENU>(static_cast<uintptr_t>(menu)),
                               embedded != 0,
                               x,
                               y,
                               width,
                               height};
    if (!unit->Create(placement)) return nullptr;
    unit->DeleteWithWindow();
    UnitClass& made = *unit.release();
    for (const Row& row : kRows) {
      RawPropertyValue value = {};
      if (ActsOnANewControl(row.apply.effect) && StoredValue(made, row, value)) ApplyRow(made, row, value, true, false);
    }
    return static_cast<UnitObject*>(&made);
  }

  static int32_t PropertyChanged(UnitInstance instance, int32_t index, const RawPropertyValue* value,
                                 int32_t* outWord) {
    if (outWord) *outWord = 0;
    auto* unit = dynamic_cast<UnitClass*>(AsUnitObject(instance));
    const Row* row = RowAt(index);
    if (!unit || !value || !row) return 0;
    bool changed = false;
    VisitField(row->field, [&](auto member) { changed = StoreRaw(unit->data().*member, *value, row->clamp); });
    RawPropertyValue applied = *value;
    StoredValue(*unit, *row, applied);
    return ApplyRow(*unit, *row, applied, false, changed);
  }

  static int32_t GetPropertyData(UnitInstance instance, int32_t index, RawPropertyValue* result) {
    auto* unit = dynamic_cast<UnitClass*>(AsUnitObject(instance));
    const Row* row = RowAt(index);
    if (!unit || !result || !row) return 0;
    if (row->readLive) return row->readLive(*unit, *result) ? 1 : 0;
    return StoredValue(*unit, *row, *result) ? 1 : 0;
  }

  // A unit whose control holds values of its own (text typed since the program
  // last read it) copies them into its property data first, so that a re-created
  // control keeps them.
  static void* GetAllPropertyData(UnitInstance instance) {
    auto* unit = dynamic_cast<UnitClass*>(AsUnitObject(instance));
    if (!unit) return nullptr;
    if constexpr (requires { unit->SaveControlState(); }) unit->SaveControlState();
    return MovableBlockFrom(StoreProperties(unit->data()));
  }

  static uint8_t* WalkTexts(const uint8_t* record, int32_t* recordLength, TextCallback callback, intptr_t userValue) {
    if (!recordLength || !callback) return nullptr;
    Data data;
    std::span<const uint8_t> stored;
    if (record && *recordLength > 0) stored = {record, static_cast<size_t>(*recordLength)};
    if (!LoadProperties(data, stored)) return nullptr;
    for (const Row& row : kRows) {
      VisitField(row.field, [&](auto member) {
        auto& field = data.*member;
        using Field = std::remove_reference_t<decltype(field)>;
        if constexpr (std::is_same_v<Field, std::string>) {
          WalkText(field, callback, userValue);
        } else if constexpr (std::is_same_v<Field, Bytes>) {
          if (row.typeCode == pt::kFont) WalkFontFace(field, callback, userValue);
        } else if constexpr (std::is_same_v<Field, TextList>) {
          for (std::string& text : field) WalkText(text, callback, userValue);
        }
      });
    }
    Bytes written = StoreProperties(data);
    auto* block = static_cast<uint8_t*>(CoreLibraryLink().Allocate(written.size()));
    std::copy(written.begin(), written.end(), block);
    *recordLength = static_cast<int32_t>(written.size());
    return block;
  }

  // The operations by GetInterface number; null for those the type lacks.
  static void* Find(int32_t number) {
    switch (number) {
      case unit_interface::kCreateUnit:
        return Checked<CreateUnitFn>(Create);
      case unit_interface::kPropertyChanged:
        return Checked<PropertyChangedFn>(PropertyChanged);
      case unit_interface::kGetAllPropertyData:
        return Checked<GetAllPropertyDataFn>(GetAllPropertyData);
      case unit_interface::kGetPropertyData:
        return Checked<GetPropertyDataFn>(GetPropertyData);
      case unit_interface::kWalkTexts:
        return kHoldsTexts ? Checked<WalkTextsFn>(WalkTexts) : nullptr;
      case unit_interface::kWantsKey:
        if constexpr (requires { UnitClass::WantsKey; }) return Checked<WantsKeyFn>(UnitClass::WantsKey);
        return nullptr;
      case unit_interface::kIsDefaultButton:
        if constexpr (requires { UnitClass::IsDefaultButton; }) {
          return Checked<IsDefaultButtonFn>(UnitClass::IsDefaultButton);
        }
        return nullptr;
      default:
        return nullptr;
    }
  }

 private:
  // An operation of exactly the signature its number stands for.
  template <class Signature>
  static void* Checked(Signature operation) {
    return reinterpret_cast<void*>(operation);
  }
};

// A core unit type's record over its rows.
template <class UnitClass, const auto& kRows>
constexpr UnitTypeInfo UnitTypeOf(const UnitTypeNames& names, uint32_t stateFlags) {
  using Operations = UnitOperations<UnitClass, kRows>;
  return UnitTypeRecord(names, stateFlags, Operations::kPropertyInfos, &Operations::Find);
}

}  // namespace vx
