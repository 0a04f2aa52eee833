#include "runtime/unit_recreation.h"

#include <windows.h>

#include <vector>

#include "runtime/live_unit.h"
#include "runtime/message_pump.h"
#include "runtime/runtime_state.h"
#include "runtime/unit_lookup.h"

namespace vx {
namespace {

BOOL CALLBACK CollectDirectChild(HWND child, LPARAM lParam) {
  auto* collected = reinterpret_cast<std::pair<HWND, std::vector<HWND>>*>(lParam);
  if (GetParent(child) == collected->first) collected->second.push_back(child);
  return TRUE;
}

std::vector<HWND> DirectChildren(HWND parent) {
  std::pair<HWND, std::vector<HWND>> collected{parent, {}};
  EnumChildWindows(parent, CollectDirectChild, reinterpret_cast<LPARAM>(&collected));
  return collected.second;
}

UnitObject* CreateFromData(const UnitTypeInfo* type, HGLOBAL data, HWND old, uint32_t windowId, uint32_t unitId) {
  auto createUnit = UnitOperation<CreateUnitFn>(type, unit_interface::kCreateUnit);
  if (!createUnit || !data) return nullptr;
  RECT rect;
  GetWindowRect(old, &rect);
  HWND parent = GetParent(old);
  MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&rect), 2);
  LONG style = GetWindowLongW(old, GWL_STYLE);
  uint32_t styleBits = style & (WS_VISIBLE | WS_DISABLED | WS_TABSTOP);
  const auto* record = static_cast<const uint8_t*>(GlobalLock(data));
  UnitObject* created = AsUnitObject(createUnit(
      record, static_cast<int32_t>(GlobalSize(data)), styleBits, parent, static_cast<uint32_t>(GetDlgCtrlID(old)), 0,
      rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, windowId, unitId, 0, 0));
  GlobalUnlock(data);
  return created;
}

}  // namespace

void RecreateUnit(uint32_t windowId, uint32_t unitId) {
  RuntimeState& rt = Runtime();
  ProcessPendingMessages();
  ++rt.eventBlock;
  // From here on no handler runs until the block is lowered again.
  UnitEntry* entry = FindUnitEntry(windowId, unitId);
  UnitObject* old = entry ? LiveObject(*entry) : nullptr;
  const UnitTypeInfo* type = old ? FindUnitType(entry->unit()->typeCode) : nullptr;
  auto getAll = UnitOperation<GetAllPropertyDataFn>(type, unit_interface::kGetAllPropertyData);
  if (getAll) {
    rt.recreatingUnit = true;
    HWND oldWindow = old->handle();
    auto data = static_cast<HGLOBAL>(getAll(old));
    UnitObject* created = CreateFromData(type, data, oldWindow, windowId, unitId);
    if (data) GlobalFree(data);
    if (created) {
      HWND newWindow = created->handle();
      SetWindowPos(newWindow, oldWindow, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
      for (HWND child : DirectChildren(oldWindow)) SetParent(child, newWindow);
      entry->SetObject(created);
      DestroyWindow(oldWindow);  // the old unit goes with its window
    }
    rt.recreatingUnit = false;
  }
  ProcessPendingMessages();
  if (rt.eventBlock > 0) --rt.eventBlock;
}

}  // namespace vx
