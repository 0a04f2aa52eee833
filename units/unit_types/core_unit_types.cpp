#include "units/unit_types/core_unit_types.h"

#include <array>
#include <span>

#include "units/unit_types/core_property_tables.h"
#include "units/window/window_interface.h"

namespace vx {

void* NoUnitOperations(int32_t) { return nullptr; }

namespace {

// Each type's GetInterface; a unit type plugs its own in here once it is built.
constexpr GetInterfaceFn kWindowOperations = WindowUnitOperations;
constexpr GetInterfaceFn kEditBoxOperations = NoUnitOperations;
constexpr GetInterfaceFn kGroupBoxOperations = NoUnitOperations;
constexpr GetInterfaceFn kLabelOperations = NoUnitOperations;
constexpr GetInterfaceFn kButtonOperations = NoUnitOperations;
constexpr GetInterfaceFn kComboBoxOperations = NoUnitOperations;
constexpr GetInterfaceFn kProcessBarOperations = NoUnitOperations;
constexpr GetInterfaceFn kSliderBarOperations = NoUnitOperations;
constexpr GetInterfaceFn kCommonDlgOperations = NoUnitOperations;

constexpr uint32_t SlotIndex(uint32_t unitTypeCode) { return (unitTypeCode & 0xFFFF) - 1; }

// Description, methods, icon, events and elements are not used by this program.
constexpr UnitTypeInfo UnitType(const char* chineseName, const char* englishName, uint32_t stateFlags,
                                std::span<const UnitPropertyInfo> properties, GetInterfaceFn getInterface) {
  return {chineseName, englishName,  nullptr, 0, nullptr, stateFlags, 0, 0, nullptr,
          static_cast<uint32_t>(properties.size()), properties.data(), getInterface, 0, nullptr};
}

constexpr std::array<UnitTypeInfo, kCoreUnitTypeSlots> BuildTable() {
  namespace code = core_unit_type;
  namespace props = core_properties;
  std::array<UnitTypeInfo, kCoreUnitTypeSlots> table{};
  table[SlotIndex(code::kWindow)] = UnitType("窗口", "window", 0x800000D0, props::kWindow, kWindowOperations);
  table[SlotIndex(code::kEditBox)] =
      UnitType("编辑框", "EditBox", 0x80000040, props::kEditBox, kEditBoxOperations);
  table[SlotIndex(code::kGroupBox)] =
      UnitType("分组框", "GroupBox", 0x840140C0, props::kGroupBox, kGroupBoxOperations);
  table[SlotIndex(code::kLabel)] = UnitType("标签", "Label", 0x84012040, props::kLabel, kLabelOperations);
  table[SlotIndex(code::kButton)] = UnitType("按钮", "Button", 0x80000840, props::kButton, kButtonOperations);
  table[SlotIndex(code::kComboBox)] =
      UnitType("组合框", "ComboBox", 0x80000240, props::kComboBox, kComboBoxOperations);
  table[SlotIndex(code::kProcessBar)] =
      UnitType("进度条", "ProcessBar", 0x84010040, props::kProcessBar, kProcessBarOperations);
  table[SlotIndex(code::kSliderBar)] =
      UnitType("滑块条", "SliderBar", 0x80000040, props::kSliderBar, kSliderBarOperations);
  table[SlotIndex(code::kCommonDlg)] =
      UnitType("通用对话框", "CommonDlg", 0x80008040, props::kCommonDlg, kCommonDlgOperations);
  return table;
}

constinit const std::array<UnitTypeInfo, kCoreUnitTypeSlots> kCoreUnitTypes = BuildTable();

constinit const LibraryRecord kCoreLibrary = {nullptr, kCoreUnitTypeSlots, kCoreUnitTypes.data()};

}  // namespace

const LibraryRecord& CoreLibrary() { return kCoreLibrary; }

const UnitTypeInfo* CoreUnitType(uint32_t unitTypeCode) {
  if (unitTypeCode >> 16 != kCoreLibraryNumber) return nullptr;
  uint32_t slot = unitTypeCode & 0xFFFF;
  if (slot == 0 || slot > kCoreUnitTypeSlots) return nullptr;
  const UnitTypeInfo& type = kCoreUnitTypes[slot - 1];
  return type.chineseName ? &type : nullptr;
}

}  // namespace vx
