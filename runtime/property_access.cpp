#include "runtime/property_access.h"

#include <windows.h>

#include <algorithm>
#include <cstring>

#include "runtime/live_unit.h"
#include "runtime/menu_bar.h"
#include "runtime/mouse_pointer.h"
#include "runtime/property_conversion.h"
#include "runtime/runtime_error.h"
#include "runtime/runtime_state.h"
#include "runtime/texts.h"
#include "runtime/unit_lookup.h"
#include "runtime/unit_recreation.h"
#include "runtime/window_loader.h"

namespace vx {
namespace {

struct Target {
  WindowRecord* window;
  UnitEntry* entry;
};

// An unknown unit on a known window is answered like an unknown window.
Target FindTarget(uint32_t windowId, uint32_t unitId) {
  WindowRecord* window = Runtime().windowTable.Find(windowId);
  UnitEntry* entry = window ? FindUnitEntry(*window, unitId) : nullptr;
  if (!entry) RaiseRuntimeError("未载入欲访问窗口组件所在的窗口", 0);
  return {window, entry};
}

// The window rectangle in its parent's client coordinates (screen for pop-ups).
RECT PlacementOf(HWND control) {
  RECT rect;
  GetWindowRect(control, &rect);
  HWND parent = GetParent(control);
  if (parent && !(GetWindowLongW(control, GWL_STYLE) & WS_POPUP)) {
    MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&rect), 2);
  }
  return rect;
}

uint64_t Word(int32_t value) { return static_cast<uint32_t>(value); }

// ---- menu items -----------------------------------------------------------

uint64_t ReadMenuItem(const StoredMenuItem& item, int index) {
  switch (index) {
    case 0:
      return reinterpret_cast<uintptr_t>(CopyText(item.caption.c_str()));
    case 1:
      return (item.menuFlags & kMenuChecked) != 0;
    case 2:
      return (item.menuFlags & kMenuDisabled) != 0;
    case 3:
      return (item.menuFlags & kMenuHidden) == 0;
    default:
      return 0;
  }
}

void SetFlag(uint32_t& flags, uint32_t bit, bool on) { flags = on ? flags | bit : flags & ~bit; }

void WriteMenuItem(StoredMenuItem& item, int index, uint64_t value) {
  switch (index) {
    case 0: {
      const auto* caption = reinterpret_cast<const char*>(static_cast<uintptr_t>(value));
      item.caption = caption ? caption : "";
      return;
    }
    case 1:
      SetFlag(item.menuFlags, kMenuChecked, value != 0);
      return;
    case 2:
      SetFlag(item.menuFlags, kMenuDisabled, value != 0);
      return;
    case 3:
      SetFlag(item.menuFlags, kMenuHidden, value == 0);
      return;
    default:
      return;
  }
}

// ---- common properties ----------------------------------------------------

uint64_t ReadCommon(const UnitEntry& entry, const StoredUnit& stored, int index) {
  HWND live = LiveControl(entry);
  switch (index) {
    case common_property::kLeft:
      return Word(live ? PlacementOf(live).left : stored.left);
    case common_property::kTop:
      return Word(live ? PlacementOf(live).top : stored.top);
    case common_property::kWidth: {
      RECT rect = live ? PlacementOf(live) : RECT{};
      return Word(live ? rect.right - rect.left : stored.width);
    }
    case common_property::kHeight: {
      RECT rect = live ? PlacementOf(live) : RECT{};
      return Word(live ? rect.bottom - rect.top : stored.height);
    }
    case common_property::kTag:
      return reinterpret_cast<uintptr_t>(CopyText(stored.tag.c_str()));
    case common_property::kVisible:
      return live ? IsWindowVisible(live) != 0 : (stored.stateFlags & kUnitVisible) != 0;
    case common_property::kDisabled:
      return live ? !IsWindowEnabled(live) : (stored.stateFlags & kUnitDisabled) != 0;
    default:
      return reinterpret_cast<uintptr_t>(
          MakeByteSet(stored.mousePointer.data(), static_cast<int32_t>(stored.mousePointer.size())));
  }
}

void Move(HWND live, int32_t left, int32_t top) {
  RECT rect = PlacementOf(live);
  MoveWindow(live, left, top, rect.right - rect.left, rect.bottom - rect.top, TRUE);
}

void Resize(HWND live, int32_t width, int32_t height) {
  SetWindowPos(live, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// The window's own entry shows through the window's first-show step.
void WriteCommon(uint32_t windowId, UnitEntry& entry, bool windowsOwnEntry, StoredUnit& stored, int index,
                 uint64_t value) {
  HWND live = LiveControl(entry);
  auto number = static_cast<int32_t>(value);
  int32_t position = std::clamp(number, -kPositionLimit, kPositionLimit);
  int32_t size = std::clamp(number, 0, kPositionLimit);
  switch (index) {
    case common_property::kLeft:
      stored.left = position;
      if (live) Move(live, position, PlacementOf(live).top);
      return;
    case common_property::kTop:
      stored.top = position;
      if (live) Move(live, PlacementOf(live).left, position);
      return;
    case common_property::kWidth:
      stored.width = size;
      if (live) Resize(live, size, PlacementOf(live).bottom - PlacementOf(live).top);
      return;
    case common_property::kHeight:
      stored.height = size;
      if (live) Resize(live, PlacementOf(live).right - PlacementOf(live).left, size);
      return;
    case common_property::kTag: {
      const auto* tag = reinterpret_cast<const char*>(static_cast<uintptr_t>(value));
      stored.tag = tag ? tag : "";
      return;
    }
    case common_property::kVisible: {
      SetFlag(stored.stateFlags, kUnitVisible, number != 0);
      if (!live) return;
      const UnitTypeInfo* type = FindUnitType(stored.typeCode);
      bool neverShown = type && (type->stateFlags & unit_state::kNeverShown);
      if (number == 0) {
        ShowWindow(live, SW_HIDE);
      } else if (windowsOwnEntry) {
        RunFirstShowStep(windowId, true);
      } else if (!neverShown) {
        ShowWindow(live, SW_SHOW);
      }
      return;
    }
    case common_property::kDisabled:
      SetFlag(stored.stateFlags, kUnitDisabled, number != 0);
      if (live) EnableWindow(live, number == 0);
      return;
    default: {
      const auto* set = reinterpret_cast<const int32_t*>(static_cast<uintptr_t>(value));
      DestroyUnitCursor(static_cast<HCURSOR>(entry.cursor()));
      const uint8_t* data = set ? ArrayElements(set) : nullptr;
      stored.mousePointer.assign(data, data + ByteSetLength(set));
      entry.SetCursor(MakeUnitCursor(stored.mousePointer));
      POINT cursor;
      if (live && GetCursorPos(&cursor)) SetCursorPos(cursor.x, cursor.y);  // shows the new pointer now
      return;
    }
  }
}

// ---- unit-specific properties --------------------------------------------

// A unit on a window numbers its own properties from 8 in the type's table and from
// 0 in its operations; a unit held in a variable has no common properties, so both
// indexes are the same.
uint64_t ReadSpecific(const UnitTypeInfo* type, UnitObject* object, int tableIndex, int unitIndex, int arrayIndex) {
  const UnitPropertyInfo* info = type ? PropertyInfo(*type, tableIndex) : nullptr;
  auto getPropertyData = UnitOperation<GetPropertyDataFn>(type, unit_interface::kGetPropertyData);
  if (!info || !getPropertyData) return 0;
  RawPropertyValue raw;
  std::memset(&raw, 0, sizeof raw);
  if (!getPropertyData(object, unitIndex, &raw)) return 0;
  return ProgramValueOf(info->typeCode, raw, arrayIndex);
}

// Returns whether the unit asked to be re-created to take the value. The unit may
// raise events while it takes the value, and a handler may destroy it: the object
// is held until the call returns.
bool WriteSpecific(const UnitTypeInfo* type, UnitObject* object, int tableIndex, int unitIndex, int arrayIndex,
                   uint64_t value) {
  const UnitPropertyInfo* info = type ? PropertyInfo(*type, tableIndex) : nullptr;
  auto propertyChanged = UnitOperation<PropertyChangedFn>(type, unit_interface::kPropertyChanged);
  if (!info || !propertyChanged) return false;
  WindowObject::Hold held(object);
  RawPropertyValue current;
  std::memset(&current, 0, sizeof current);
  bool hasCurrent = false;
  if (info->typeCode == property_type::kFont) {
    auto getPropertyData = UnitOperation<GetPropertyDataFn>(type, unit_interface::kGetPropertyData);
    hasCurrent = getPropertyData && getPropertyData(object, unitIndex, &current);
  }
  StoredFont fontBuffer;
  RawPropertyValue raw = RawValueOf(info->typeCode, value, arrayIndex, hasCurrent ? &current : nullptr, fontBuffer);
  int32_t outWord = 0;
  return propertyChanged(object, unitIndex, &raw, &outWord) == 1;
}

uint64_t Combine(uint32_t low, uint32_t high) { return (static_cast<uint64_t>(high) << 32) | low; }

}  // namespace

uint64_t ReadUnitProperty(uint32_t windowId, uint32_t unitId, int index, int arrayIndex) {
  Target target = FindTarget(windowId, unitId);
  if (StoredMenuItem* item = target.entry->menuItem()) return ReadMenuItem(*item, index);
  StoredUnit& stored = *target.entry->unit();
  if (index < common_property::kCount) return ReadCommon(*target.entry, stored, index);
  UnitObject* object = LiveObject(*target.entry);
  if (!object) RaiseRuntimeError("指定窗口尚未载入", 0);
  return ReadSpecific(FindUnitType(stored.typeCode), object, index, index - common_property::kCount, arrayIndex);
}

void WriteUnitProperty(uint32_t windowId, uint32_t unitId, int index, int arrayIndex, uint32_t valueLow,
                       uint32_t valueHigh) {
  uint64_t value = Combine(valueLow, valueHigh);
  Target target = FindTarget(windowId, unitId);
  if (StoredMenuItem* item = target.entry->menuItem()) {
    WriteMenuItem(*item, index, value);
    RebuildMenuBar(*target.window);
    return;
  }
  StoredUnit& stored = *target.entry->unit();
  if (index < common_property::kCount) {
    return WriteCommon(windowId, *target.entry, target.entry == &target.window->units.Item(0), stored, index, value);
  }
  UnitObject* object = LiveObject(*target.entry);
  if (!object) RaiseRuntimeError("指定窗口尚未载入", 0);
  // Nothing of the table is kept across the unit's call: its handlers may unload the window.
  bool recreate =
      WriteSpecific(FindUnitType(stored.typeCode), object, index, index - common_property::kCount, arrayIndex, value);
  if (recreate) RecreateUnit(windowId, unitId);
}

uint64_t ReadObjectProperty(DataType unitType, void* object, int index, int arrayIndex) {
  return object ? ReadSpecific(FindUnitType(unitType), static_cast<UnitObject*>(object), index, index, arrayIndex) : 0;
}

void WriteObjectProperty(DataType unitType, void* object, int index, int arrayIndex, uint32_t valueLow,
                         uint32_t valueHigh) {
  if (object) {
    WriteSpecific(FindUnitType(unitType), static_cast<UnitObject*>(object), index, index, arrayIndex,
                  Combine(valueLow, valueHigh));
  }
}

}  // namespace vx
