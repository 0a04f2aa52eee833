#include "runtime/window_loader.h"

#include <windows.h>

#include <cstring>
#include <vector>

#include "runtime/event_dispatch.h"
#include "runtime/framework/unit_object.h"
#include "runtime/framework/window_object.h"
#include "runtime/live_unit.h"
#include "runtime/menu_bar.h"
#include "runtime/message_loop.h"
#include "runtime/mouse_pointer.h"
#include "runtime/runtime_error.h"
#include "runtime/runtime_notify.h"
#include "runtime/runtime_state.h"
#include "runtime/unit_lookup.h"

namespace vx {
namespace {

constexpr uint32_t kFirstControlId = 100;
constexpr uint32_t kControlIdStep = 10;

void Raise(uint32_t windowId, uint32_t unitId, int32_t event) {
  EventRecord record = MakeEventRecord(windowId, unitId, event);
  DispatchEvent(record);
}

struct CreatedUnit {
  UnitEntry* entry;
  bool visible;
};

// The style bits the loader passes and whether the unit is noted visible.
uint32_t StyleBitsFor(const StoredUnit& stored, const UnitTypeInfo* type, bool reloadedWindow, bool& visible) {
  if (type && (type->stateFlags & unit_state::kNeverShown)) {
    visible = false;
    return 0;
  }
  uint32_t bits = 0;
  visible = reloadedWindow || (stored.stateFlags & kUnitVisible);
  if (!reloadedWindow && (stored.stateFlags & kUnitDisabled)) bits |= WS_DISABLED;
  if (stored.stateFlags & kUnitTakesFocus) bits |= WS_TABSTOP;
  return bits;
}

UnitObject* CreateFromEntry(const UnitTable& units, const UnitEntry& entry, uint32_t styleBits, HWND parent,
                            uint32_t controlId, void* menu, uint32_t windowId) {
  const StoredUnit& stored = *entry.unit();
  auto createUnit = UnitOperation<CreateUnitFn>(FindUnitType(stored.typeCode), unit_interface::kCreateUnit);
  if (!createUnit) return nullptr;
  std::span<const uint8_t> block = units.PropertyBlock(entry);
  // The window's menu travels in the reserved word; menu handles fit 32 bits.
  auto menuWord = static_cast<uint32_t>(reinterpret_cast<uintptr_t>(menu));
  return AsUnitObject(createUnit(block.data(), static_cast<int32_t>(block.size()), styleBits, parent, controlId,
                                 menuWord, stored.left, stored.top, stored.width, stored.height, windowId, entry.id(),
                                 0, 0));
}

// The window's StartPosition as it reads now: minimised, maximised or normal.
int32_t CurrentStartPosition(const UnitEntry& own) {
  const UnitTypeInfo* type = FindUnitType(own.unit()->typeCode);
  auto getPropertyData = UnitOperation<GetPropertyDataFn>(type, unit_interface::kGetPropertyData);
  RawPropertyValue value;
  std::memset(&value, 0, sizeof value);
  int32_t index = kWindowStartPositionProperty - common_property::kCount;
  if (!getPropertyData || !getPropertyData(LiveObject(own), index, &value)) return 0;
  return value.integer;
}

// Raises GotFocus for the unit holding the keyboard focus when it is inside the window.
void RaiseFocusEvent(WindowRecord& window, HWND windowHandle) {
  HWND focus = GetFocus();
  if (!focus || (focus != windowHandle && !IsChild(windowHandle, focus))) return;
  for (HWND at = focus; at; at = at == windowHandle ? nullptr : GetParent(at)) {
    auto* object = dynamic_cast<UnitObject*>(WindowObject::FromHandlePermanent(at));
    if (object && object->windowId() == window.id) {
      Raise(window.id, object->unitId(), common_event::kGotFocus);
      return;
    }
  }
}

void Show(WindowRecord& window) {
  UnitEntry& own = window.units.Item(0);
  HWND handle = LiveControl(own);
  if (!handle) return;
  int command = SW_SHOW;
  if (Runtime().programMode != 0) {
    int32_t position = CurrentStartPosition(own);
    if (position == start_position::kMinimised) command = SW_SHOWMINIMIZED;
    if (position == start_position::kMaximised) command = SW_SHOWMAXIMIZED;
  }
  ShowWindow(handle, command);
  if (LiveControl(own)) RaiseFocusEvent(window, handle);
}

// Every other loaded top-level window is disabled while the modal one is up.
void DisableOtherWindows(uint32_t modalId, LoadedWindow& state) {
  RuntimeState& rt = Runtime();
  for (size_t i = 0; i < rt.windowTable.size(); ++i) {
    WindowRecord& other = rt.windowTable.Window(i);
    HWND handle = other.id == modalId || !other.units.size() ? nullptr : LiveControl(other.units.Item(0));
    if (!handle || (GetWindowLongW(handle, GWL_STYLE) & WS_CHILD)) continue;
    state.disabledWindows.emplace_back(handle, IsWindowEnabled(handle) != 0);
    EnableWindow(handle, FALSE);
  }
}

bool AbandonLoad(uint32_t windowId) {
  RuntimeState& rt = Runtime();
  WindowRecord* window = rt.windowTable.Find(windowId);
  auto saved = rt.unitTablesAtLoad.find(windowId);
  if (window && saved != rt.unitTablesAtLoad.end()) window->units.RestoreStoredValues(saved->second);
  rt.unitTablesAtLoad.erase(windowId);
  RuntimeNotify(notify::kUnblockEvents, 0, 0);
  return false;
}

}  // namespace

bool IsWindowLoaded(const WindowRecord& window) {
  return window.units.size() > 0 && LiveControl(window.units.Item(0)) != nullptr;
}

bool AnyWindowLoaded() {
  const WindowTable& table = Runtime().windowTable;
  for (size_t i = 0; i < table.size(); ++i) {
    if (IsWindowLoaded(table.Window(i))) return true;
  }
  return false;
}

bool LoadWindow(WindowRecord& window, bool reload, int32_t mode, void* owner) {
  RuntimeState& rt = Runtime();
  if (window.units.size() == 0 || !window.units.Item(0).unit()) return false;
  if (HWND loaded = LiveControl(window.units.Item(0)); loaded && !reload) {
    if (IsIconic(loaded)) {
      ShowWindow(loaded, SW_RESTORE);
    } else {
      SetActiveWindow(loaded);
    }
    return true;
  }
  if (mode == load_mode::kModal) owner = nullptr;
  if (owner && !IsWindow(static_cast<HWND>(owner))) return false;

  const uint32_t windowId = window.id;
  RuntimeNotify(notify::kBlockEvents, 0, 0);
  rt.unitTablesAtLoad[windowId] = window.units;

  // The window first, then the units from the last entry back.
  UnitEntry& own = window.units.Item(0);
  bool windowVisible = false;
  uint32_t windowBits = StyleBitsFor(*own.unit(), FindUnitType(own.unit()->typeCode), reload, windowVisible);
  HMENU menuBar = BuildMenuBar(window.units);
  UnitObject* windowObject =
      CreateFromEntry(window.units, own, windowBits, static_cast<HWND>(owner), 0, menuBar, windowId);
  if (!windowObject) {
    if (menuBar) DestroyMenu(menuBar);
    return AbandonLoad(windowId);
  }
  own.SetObject(windowObject);
  HWND windowHandle = windowObject->handle();

  std::vector<CreatedUnit> created;  // in template order
  uint32_t controlId = kFirstControlId;
  for (size_t i = window.units.size(); i-- > 1;) {
    UnitEntry& entry = window.units.Item(i);
    if (!entry.unit()) continue;
    bool visible = false;
    uint32_t bits = StyleBitsFor(*entry.unit(), FindUnitType(entry.unit()->typeCode), false, visible);
    UnitObject* object = CreateFromEntry(window.units, entry, bits, windowHandle, controlId, nullptr, windowId);
    controlId += kControlIdStep;
    if (!object) continue;
    entry.SetObject(object);
    created.insert(created.begin(), {&entry, visible});
  }

  // Containers, pointers, and the z-order of template order.
  own.SetCursor(MakeUnitCursor(own.unit()->mousePointer));
  for (CreatedUnit& unit : created) {
    HWND handle = LiveControl(*unit.entry);
    const StoredUnit& stored = *unit.entry->unit();
    UnitEntry* container = stored.parent ? window.units.Find(stored.parent) : nullptr;
    if (HWND containerHandle = container ? LiveControl(*container) : nullptr) SetParent(handle, containerHandle);
    unit.entry->SetCursor(MakeUnitCursor(stored.mousePointer));
    SetWindowPos(handle, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }

  for (size_t i = created.size(); i-- > 0;) SendMessageW(LiveControl(*created[i].entry), kUnitsCreatedMessage, 0, 0);
  SendMessageW(windowHandle, kWindowCreatedMessage, 0, 0);
  for (CreatedUnit& unit : created) ShowWindow(LiveControl(*unit.entry), unit.visible ? SW_SHOWNA : SW_HIDE);
  RuntimeNotify(notify::kUnblockEvents, 0, 0);

  // Each event only while the window is still there.
  for (int32_t event : {window_event::kCreated, window_event::kMoved, window_event::kResized}) {
    if (!IsWindow(windowHandle)) break;
    Raise(windowId, 0, event);
  }
  if (!IsWindow(windowHandle)) return true;

  LoadedWindow& state = rt.loadedWindows[windowId];
  state = LoadedWindow{};
  if (windowVisible) Show(window);
  if (!IsWindow(windowHandle)) return true;
  if (mode == load_mode::kModal) {
    state.modal = true;
    DisableOtherWindows(windowId, state);
  }

  // The units may answer 0x8076 with handlers that unload the window: its entries
  // stay (the table changes in place), its state is looked up again.
  HWND focus = GetFocus();
  for (size_t i = created.size(); i-- > 0;) {
    if (HWND handle = LiveControl(*created[i].entry)) SendMessageW(handle, kWindowReadyMessage, 0, 0);
  }
  if (!IsWindow(windowHandle)) return true;
  if (GetFocus() != focus && IsWindow(focus)) SetFocus(focus);
  if (auto loaded = rt.loadedWindows.find(windowId); loaded != rt.loadedWindows.end()) {
    loaded->second.waitingForFirstShow = true;
  }
  return true;
}

void RunFirstShowStep(uint32_t windowId, bool show) {
  RuntimeState& rt = Runtime();
  WindowRecord* window = rt.windowTable.Find(windowId);
  HWND handle = window && window->units.size() ? LiveControl(window->units.Item(0)) : nullptr;
  if (!handle) return;
  auto found = rt.loadedWindows.find(windowId);
  if (found == rt.loadedWindows.end() || !found->second.waitingForFirstShow) {
    if (show) ShowWindow(handle, SW_SHOW);
    return;
  }
  found->second.waitingForFirstShow = false;
  bool modal = found->second.modal;
  HWND owner = GetWindow(handle, GW_OWNER);
  if (modal && owner && (GetWindowLongW(owner, GWL_EXSTYLE) & WS_EX_TOPMOST)) {
    SetWindowPos(handle, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
  if (show) Show(*window);
  if (!modal) return;
  uint32_t outerModal = rt.modalWindowId;
  rt.modalWindowId = windowId;
  RunLoop(loop_mode::kModal);
  rt.modalWindowId = outerModal;
}

void LoadStartupWindow(uint32_t windowId) {
  WindowRecord* window = Runtime().windowTable.Find(windowId);
  if (!window || !LoadWindow(*window, false, load_mode::kNormal, nullptr)) {
    RaiseRuntimeError("载入启动窗口失败", 0);
  }
}

void LoadWindowOnRequest(const LoadWindowRequest& request) {
  WindowRecord* window = Runtime().windowTable.Find(request.windowId);
  HWND owner = request.owner ? request.owner->handle() : nullptr;
  if (request.owner && !owner) return;  // an owner object without a window cannot own
  if (!window || !LoadWindow(*window, false, request.mode, owner)) return;
  window = Runtime().windowTable.Find(request.windowId);
  if (window && window->units.size() && (window->units.Item(0).unit()->stateFlags & kUnitVisible)) {
    RunFirstShowStep(request.windowId, true);
  }
}

void WindowGone(uint32_t windowId) {
  RuntimeState& rt = Runtime();
  auto found = rt.loadedWindows.find(windowId);
  if (found != rt.loadedWindows.end()) {
    for (auto& [handle, wasEnabled] : found->second.disabledWindows) {
      if (IsWindow(static_cast<HWND>(handle))) EnableWindow(static_cast<HWND>(handle), wasEnabled);
    }
    rt.loadedWindows.erase(found);
  }
  if (rt.loopStarted && !rt.cleanupStarted && !AnyWindowLoaded()) PostQuitMessage(0);
}

}  // namespace vx
