// The unit operations every type offers, served from its property rows:
// CreateUnit, PropertyChanged, GetAllPropertyData, GetPropertyData and WalkTexts.
// A type's GetInterface answers its own extra operations first and leaves the
// rest to UnitOperations<UnitClass, kRows>::Find.
//
// UnitClass derives from DataUnit<Data>, is constructed from (window id, unit id)
// and makes its control with `bool Create(const UnitPlacement&)`.
#pragma once

#include <windows.h>

#include <array>
#include <memory>
#include <string>
#include <type_traits>

#include "runtime/framework/runtime_link.h"
#include "units/unit_base/data_unit.h"
#include "units/unit_base/movable_block.h"
#include "units/unit_base/property_table.h"
#include "units/unit_base/unit_logfont.h"

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

  static const Row* RowAt(int32_t index) {
    constexpr auto kCount = static_cast<int32_t>(std::size(kRows));
    return index >= 0 && index < kCount ? &kRows[index] : nullptr;
  }

  // One owner at a time: the creator until the control exists, then the window.
  static UnitInstance Create(const uint8_t* record, int32_t recordLength, uint32_t styleBits, void* parent,
                             uint32_t controlId, uint32_t reserved1, int32_t x, int32_t y, int32_t width,
                             int32_t height, uint32_t windowId, uint32_t unitId, uint32_t reserved2,
                             int32_t designFlag) {
    auto unit = std::make_unique<UnitClass>(windowId, unitId);
    std::span<const uint8_t> stored;
    if (record && recordLength > 0) stored = {record, static_cast<size_t>(recordLength)};
    if (!LoadProperties(unit->data(), stored)) return nullptr;
    unit->SetDesignFlag(designFlag);
    UnitPlacement placement = {styleBits, static_cast<HWND>(parent), controlId, reserved1, reserved2, x, y, width,
                               height};
    if (!unit->Create(placement)) return nullptr;
    unit->DeleteWithWindow();
    return static_cast<UnitObject*>(unit.release());
  }

  static int32_t PropertyChanged(UnitInstance object, int32_t index, const RawPropertyValue* value, int32_t* outWord) {
    if (outWord) *outWord = 0;
    auto* unit = dynamic_cast<UnitClass*>(AsUnitObject(object));
    const Row* row = RowAt(index);
    if (!unit || !value || !row) return 0;
    bool changed = false;
    VisitField(row->field, [&](auto member) { changed = StoreRaw(unit->data().*member, *value, row->clamp); });
    switch (row->apply.effect) {
      case Effect::kRepaint:
        InvalidateRect(unit->handle(), nullptr, TRUE);
        return 0;
      case Effect::kRecreate:
        return 1;
      case Effect::kRecreateWhenChanged:
        return changed ? 1 : 0;
      case Effect::kCall:
        return row->apply.call(*unit, *value);
      default:
        return 0;
    }
  }

  static int32_t GetPropertyData(UnitInstance object, int32_t index, RawPropertyValue* result) {
    auto* unit = dynamic_cast<UnitClass*>(AsUnitObject(object));
    const Row* row = RowAt(index);
    if (!unit || !result || !row) return 0;
    if (row->readLive) return row->readLive(*unit, *result) ? 1 : 0;
    bool read = false;
    VisitField(row->field, [&](auto member) { read = LoadRaw(unit->data().*member, *result); });
    return read ? 1 : 0;
  }

  // A unit whose control holds values of its own (text typed since the program
  // last read it) copies them into its property data first, so that a re-created
  // control keeps them.
  static void* GetAllPropertyData(UnitInstance object) {
    auto* unit = dynamic_cast<UnitClass*>(AsUnitObject(object));
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
        if constexpr (std::is_same_v<std::remove_reference_t<decltype(field)>, std::string>) {
          WalkText(field, callback, userValue);
        } else if constexpr (std::is_same_v<std::remove_reference_t<decltype(field)>, Bytes>) {
          if (row.typeCode == pt::kFont) WalkFontFace(field, callback, userValue);
        } else if constexpr (std::is_same_v<std::remove_reference_t<decltype(field)>, TextList>) {
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

  // The shared operations by GetInterface number; null for the others.
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
        return Checked<WalkTextsFn>(WalkTexts);
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

// A type's UnitTypeInfo: names, state flags, property table and GetInterface;
// methods, events and elements are not described in the record.
constexpr UnitTypeInfo UnitTypeRecord(const char* chineseName, const char* englishName, uint32_t stateFlags,
                                      std::span<const UnitPropertyInfo> properties, GetInterfaceFn getInterface) {
  return {chineseName,
          englishName,
          nullptr,
          0,
          nullptr,
          stateFlags,
          0,
          0,
          nullptr,
          static_cast<uint32_t>(properties.size()),
          properties.data(),
          getInterface,
          0,
          nullptr};
}

}  // namespace vx
