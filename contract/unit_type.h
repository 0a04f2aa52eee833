// What every unit type offers the runtime: its UnitTypeInfo record with the
// property table, and its operations reached by number through GetInterface.
// Pure declarations: window handles are carried as void*.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace vx {

// How a property's value is passed between the program and the unit.
namespace property_type {
constexpr uint16_t kInteger32 = 1000;
constexpr uint16_t kInteger = 1001;
constexpr uint16_t kLong = 1002;
constexpr uint16_t kLogical = 1003;
constexpr uint16_t kDouble = 1004;
constexpr uint16_t kText = 1005;
constexpr uint16_t kPickList = 1006;
constexpr uint16_t kPicture = 1009;
constexpr uint16_t kIcon = 1010;
constexpr uint16_t kMousePointer = 1011;
constexpr uint16_t kSound = 1012;
constexpr uint16_t kFont = 1013;
constexpr uint16_t kColour = 1014;
constexpr uint16_t kColourWithAlpha = 1015;
constexpr uint16_t kFileName = 1016;
constexpr uint16_t kBackgroundColour = 1017;
constexpr uint16_t kDataSource = 1018;
constexpr uint16_t kDataColumn = 1020;
constexpr uint16_t kBytes = 1023;
constexpr uint16_t kCustom = 1024;
}  // namespace property_type

// Bits of a unit type's state word that the runtime and the window unit act on.
namespace unit_state {
constexpr uint32_t kHasEvents = 0x04;  // may raise events without owning a control
constexpr uint32_t kWindowType = 0x10;
constexpr uint32_t kOwnsControl = 0x40;
constexpr uint32_t kContainer = 0x80;
constexpr uint32_t kArrowKeysMoveFocus = 0x0400;
constexpr uint32_t kDefaultButton = 0x0800;
constexpr uint32_t kMnemonicToggles = 0x1000;
constexpr uint32_t kMnemonicFocusesNext = 0x2000;
constexpr uint32_t kMnemonicEntersGroup = 0x4000;
constexpr uint32_t kNeverShown = 0x8000;
constexpr uint32_t kNoNavigationFocus = 0x10000;
constexpr uint32_t kDragsWindow = 0x04000000;
// Carried in the records as stored, not acted on.
constexpr uint32_t kCoreType = 0x80000000;  // every type of the core library
constexpr uint32_t kComboBit = 0x0200;      // the combo box
}  // namespace unit_state

// Property flags as the table carries them; the runtime does not act on them.
namespace property_flag {
constexpr uint16_t kListed = 0x8000;             // every property
constexpr uint16_t kCommon = 0xE000;             // the eight common properties
constexpr uint16_t kQualifiesPrevious = 0x0001;  // an option of the property before it
constexpr uint16_t kDialogOption = 0x0002;       // carried by single common-dialog properties
constexpr uint16_t kRunningOnly = 0x0008;        // exists only while the program runs
constexpr uint16_t kBindingOption = 0x0010;      // the combo box's data-binding option
}  // namespace property_flag

// The type's property table: one record per index, packed with no alignment (20
// bytes in the 32-bit program). Names are not stored; a property is its index.
#pragma pack(push, 1)
struct UnitPropertyInfo {
  const char* name;
  const char* englishName;
  const char* description;
  uint16_t typeCode;
  uint16_t flags;
  const void* pickList;
};
#pragma pack(pop)
static_assert(sizeof(void*) != 4 || sizeof(UnitPropertyInfo) == 20);

// Operation numbers of GetInterface.
namespace unit_interface {
constexpr int32_t kCreateUnit = 1;
constexpr int32_t kPropertyChanged = 4;
constexpr int32_t kGetAllPropertyData = 5;
constexpr int32_t kGetPropertyData = 6;
constexpr int32_t kWantsKey = 8;
constexpr int32_t kWalkTexts = 9;
constexpr int32_t kIsDefaultButton = 10;
}  // namespace unit_interface

using GetInterfaceFn = void* (*)(int32_t number);

// A unit's property in its raw form: 32- or 64-bit numbers, a text pointer, or a
// byte block given as pointer and length (both 0 when empty).
union RawPropertyValue {
  int32_t integer;
  uint32_t word;
  int64_t longValue;
  double doubleValue;
  const char* text;
  struct {
    const uint8_t* data;
    int32_t length;
  } bytes;
};

// A byte-block value as a span; empty for a null or empty block.
inline std::span<const uint8_t> BytesOf(const RawPropertyValue& value) {
  if (!value.bytes.data || value.bytes.length <= 0) return {};
  return {value.bytes.data, static_cast<size_t>(value.bytes.length)};
}

// A unit's object as the operations hand it over: opaque here. The unit type that
// made it knows its class; the runtime keeps it and passes it back unchanged.
using UnitInstance = void*;

// CreateUnit: the unit object, or null when the record cannot be read or the
// control cannot be created. The two words described as reserved carry, for the
// window unit only, its menu bar (a handle in 32 bits) and a non-zero value when
// it is embedded in another window; other units are given 0.
using CreateUnitFn = UnitInstance (*)(const uint8_t* record, int32_t recordLength, uint32_t styleBits,
                                      void* parentWindow, uint32_t controlId, uint32_t menu, int32_t x, int32_t y,
                                      int32_t width, int32_t height, uint32_t windowId, uint32_t unitId,
                                      uint32_t embedded, int32_t designFlag);
// PropertyChanged: 1 when the control must be re-created to take the value.
using PropertyChangedFn = int32_t (*)(UnitInstance unit, int32_t index, const RawPropertyValue* value,
                                      int32_t* outWord);
// GetAllPropertyData: the unit's stored form in a new movable global memory block.
using GetAllPropertyDataFn = void* (*)(UnitInstance unit);
// GetPropertyData: 1 and the value, or 0 for an unknown index.
using GetPropertyDataFn = int32_t (*)(UnitInstance unit, int32_t index, RawPropertyValue* result);
using WantsKeyFn = int32_t (*)(UnitInstance unit, uint32_t keyCode);
// WalkTexts: each stored text to the callback (flag 1 for a font face name); a new
// record written from the result, its length through recordLength.
using TextCallback = void (*)(char** text, int32_t flag, intptr_t userValue);
using WalkTextsFn = uint8_t* (*)(const uint8_t* record, int32_t* recordLength, TextCallback callback,
                                 intptr_t userValue);
using IsDefaultButtonFn = int32_t (*)(UnitInstance unit);

// Fourteen fields, in this order.
struct UnitTypeInfo {
  const char* chineseName;
  const char* englishName;
  const char* description;
  uint32_t methodCount;
  const int32_t* methods;
  uint32_t stateFlags;
  uint32_t iconResourceId;
  uint32_t eventCount;
  const void* events;
  uint32_t propertyCount;
  const UnitPropertyInfo* properties;
  GetInterfaceFn getInterface;
  uint32_t elementCount;
  const void* elements;
};

// The property record of an index, or null past the table.
inline const UnitPropertyInfo* PropertyInfo(const UnitTypeInfo& type, int32_t index) {
  return index >= 0 && static_cast<uint32_t>(index) < type.propertyCount ? &type.properties[index] : nullptr;
}

}  // namespace vx
