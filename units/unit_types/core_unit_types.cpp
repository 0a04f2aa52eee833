#include "units/unit_types/core_unit_types.h"

#include <array>

#include "runtime/framework/runtime_link.h"
#include "units/button/button_type.h"
#include "units/combo_box/combo_box_type.h"
#include "units/common_dialog/common_dialog_type.h"
#include "units/edit_box/edit_box_type.h"
#include "units/group_box/group_box_type.h"
#include "units/label/label_type.h"
#include "units/progress_bar/progress_bar_type.h"
#include "units/slider_bar/slider_bar_type.h"
#include "units/window/window_type.h"

namespace vx {
namespace {

constexpr uint32_t SlotIndex(uint32_t unitTypeCode) { return (unitTypeCode & 0xFFFF) - 1; }

// Every type's record in its slot; the records come from the types' own folders.
std::array<UnitTypeInfo, kCoreUnitTypeSlots> BuildTable() {
  namespace code = core_unit_type;
  std::array<UnitTypeInfo, kCoreUnitTypeSlots> table{};
  table[SlotIndex(code::kWindow)] = WindowUnitType();
  table[SlotIndex(code::kEditBox)] = EditBoxUnitType();
  table[SlotIndex(code::kGroupBox)] = GroupBoxUnitType();
  table[SlotIndex(code::kLabel)] = LabelUnitType();
  table[SlotIndex(code::kButton)] = ButtonUnitType();
  table[SlotIndex(code::kComboBox)] = ComboBoxUnitType();
  table[SlotIndex(code::kProgressBar)] = ProgressBarUnitType();
  table[SlotIndex(code::kSliderBar)] = SliderBarUnitType();
  table[SlotIndex(code::kCommonDialog)] = CommonDialogUnitType();
  return table;
}

const std::array<UnitTypeInfo, kCoreUnitTypeSlots>& CoreUnitTypes() {
  static const std::array<UnitTypeInfo, kCoreUnitTypeSlots> table = BuildTable();
  return table;
}

}  // namespace

intptr_t CoreLibraryNotify(int32_t code, intptr_t param1, intptr_t) {
  if (code == library_notice::kStart) CoreLibraryLink().Connect(reinterpret_cast<NotifyFn>(param1));
  return 0;
}

const LibraryRecord& CoreLibrary() {
  static const LibraryRecord library = {CoreLibraryNotify, kCoreUnitTypeSlots, CoreUnitTypes().data()};
  return library;
}

const UnitTypeInfo* CoreUnitType(uint32_t unitTypeCode) {
  if (unitTypeCode >> 16 != kCoreLibraryNumber) return nullptr;
  uint32_t slot = unitTypeCode & 0xFFFF;
  if (slot == 0 || slot > kCoreUnitTypeSlots) return nullptr;
  const UnitTypeInfo& type = CoreUnitTypes()[slot - 1];
  return type.chineseName ? &type : nullptr;
}

}  // namespace vx
