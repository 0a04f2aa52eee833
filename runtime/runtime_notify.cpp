#include "runtime/runtime_notify.h"

#include <windows.h>

#include "contract/value_conversions.h"
#include "contract/values.h"
#include "runtime/event_dispatch.h"
#include "runtime/framework/window_object.h"
#include "runtime/framework/window_units.h"
#include "runtime/heap.h"
#include "runtime/helper_operations.h"
#include "runtime/live_unit.h"
#include "runtime/message_loop.h"
#include "runtime/message_pump.h"
#include "runtime/mouse_pointer.h"
#include "runtime/runtime_error.h"
#include "runtime/runtime_state.h"
#include "runtime/texts.h"
#include "runtime/unit_lookup.h"
#include "runtime/window_loader.h"

namespace vx {
namespace {

constexpr intptr_t kRuntimeVersion = 0x30005;

// Byte zero-extended, short sign-extended, long cut to its low half, floating
// values truncated toward zero; anything else is not a number.
int32_t ToInteger(const MDATA& value) {
  switch (value.type) {
    case type::kByte:
      return value.byteValue;
    case type::kShort:
      return value.shortValue;
    case type::kInt:
      return value.intValue;
    case type::kLong:
      return static_cast<int32_t>(value.longValue);
    case type::kFloat:
      return static_cast<int32_t>(TruncateToInt64(value.floatValue));
    case type::kDouble:
      return static_cast<int32_t>(TruncateToInt64(value.doubleValue));
    default:
      RaiseRuntimeError("欲转换数据类型不是数值", 0);
  }
}

intptr_t Pointer(const void* p) { return reinterpret_cast<intptr_t>(p); }

// The icon resource "DEFAULT_ICON" of the program's own module, in both sizes,
// loaded once and kept until the end of the program.
void StoreProgramIcons(intptr_t* icons) {
  RuntimeState& rt = Runtime();
  if (!rt.programIcons[0] && !rt.programIcons[1]) {
    HINSTANCE module = GetModuleHandleW(nullptr);
    rt.programIcons[0] =
        LoadImageW(module, L"DEFAULT_ICON", IMAGE_ICON, GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON), 0);
    rt.programIcons[1] = LoadImageW(module, L"DEFAULT_ICON", IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                    GetSystemMetrics(SM_CYSMICON), 0);
  }
  icons[0] = reinterpret_cast<intptr_t>(rt.programIcons[0]);
  icons[1] = reinterpret_cast<intptr_t>(rt.programIcons[1]);
}

// The object of a created unit; menu items have none.
UnitObject* CreatedObject(uint32_t windowId, uint32_t unitId) {
  UnitEntry* entry = FindUnitEntry(windowId, unitId);
  return entry && !entry->isMenuItem() ? LiveObject(*entry) : nullptr;
}

// A unit's control is going away: forget its object and cursor. When it is the
// window itself, its units go back to the state they had when it was loaded. The
// entries are changed in place: callers further up the stack may hold them.
void UnitDestroyed(uint32_t windowId, uint32_t unitId) {
  RuntimeState& rt = Runtime();
  WindowRecord* window = rt.windowTable.Find(windowId);
  UnitEntry* entry = window ? FindUnitEntry(*window, unitId) : nullptr;
  if (rt.recreatingUnit || !entry) return;
  if (entry != &window->units.Item(0)) {
    DestroyUnitCursor(static_cast<HCURSOR>(entry->cursor()));
    entry->SetCursor(nullptr);
    entry->SetObject(nullptr);
    return;
  }
  for (size_t i = 0; i < window->units.size(); ++i) {
    DestroyUnitCursor(static_cast<HCURSOR>(window->units.Item(i).cursor()));
  }
  auto saved = rt.unitTablesAtLoad.find(windowId);
  if (saved != rt.unitTablesAtLoad.end()) {
    window->units.RestoreStoredValues(saved->second);
    rt.unitTablesAtLoad.erase(saved);
  }
  entry->SetObject(nullptr);
  if (rt.modalWindowId == windowId) rt.modalWindowId = 0;
  WindowGone(windowId);
}

// A copy of a window's units for its window unit; the count, 0 for an unknown window.
intptr_t ListWindowUnits(uint32_t windowId, WindowUnitList& list) {
  list.clear();
  WindowRecord* window = Runtime().windowTable.Find(windowId);
  if (!window) return 0;
  for (size_t i = 0; i < window->units.size(); ++i) {
    const UnitEntry& entry = window->units.Item(i);
    const StoredUnit* stored = entry.unit();
    if (!stored) continue;
    UnitObject* object = LiveObject(entry);
    list.push_back({entry.id(), FindUnitType(stored->typeCode), stored->parent, stored->stateFlags, stored->tabOrder,
                    object, object ? object->handle() : nullptr, entry.cursor()});
  }
  return static_cast<intptr_t>(list.size());
}

WindowObject* AsWindowObject(intptr_t object) { return reinterpret_cast<WindowObject*>(object); }
HWND AsHandle(intptr_t window) { return reinterpret_cast<HWND>(window); }

// A handle bound to an object the caller then owns (deleted through 1008).
WindowObject* NewWindowObject(HWND window) {
  auto* object = new WindowObject;
  object->Attach(window);
  return object;
}

bool AttachWindowObject(HWND window, WindowObject* object) {
  if (!object || object->handle() || WindowObject::FromHandlePermanent(window)) return false;
  return object->Attach(window);
}

}  // namespace

intptr_t RuntimeNotify(int32_t code, intptr_t param1, intptr_t param2) {
  switch (code) {
    case notify::kProgramIcons:
      StoreProgramIcons(reinterpret_cast<intptr_t*>(param1));
      return 0;
    case notify::kWindowTable:
      return Pointer(&Runtime().windowTable);
    case notify::kUnitTypeInfo:
    case notify::kUnitTypeInfoAgain:
      return Pointer(FindUnitType(static_cast<DataType>(param1)));
    case notify::kHiddenOwner:
      return Pointer(Runtime().hiddenOwner);
    case notify::kWindowUnits:
      return ListWindowUnits(static_cast<uint32_t>(param1), *reinterpret_cast<WindowUnitList*>(param2));
    case notify::kVersion:
      return kRuntimeVersion;
    case notify::kNewWindowObject:
      return Pointer(NewWindowObject(AsHandle(param1)));
    case notify::kDeleteWindowObject:
      delete AsWindowObject(param1);
      return 0;
    case notify::kDetachWindowObject:
      return param1 ? Pointer(AsWindowObject(param1)->Detach()) : 0;
    case notify::kWindowObjectHandle:
      return param1 ? Pointer(AsWindowObject(param1)->handle()) : 0;
    case notify::kAttachWindowObject:
      return AttachWindowObject(AsHandle(param1), AsWindowObject(param2)) ? 1 : 0;
    case notify::kAddIdleCallback:
      RegisterIdleCallback(reinterpret_cast<const void*>(param1));
      return 0;
    case notify::kRemoveIdleCallback:
      RemoveIdleCallback(AsHandle(param1));
      return 0;
    case notify::kLoadWindow:
      LoadWindowOnRequest(*reinterpret_cast<const LoadWindowRequest*>(param1));
      return 0;
    case notify::kToInteger:
      return ToInteger(*reinterpret_cast<const MDATA*>(param1));
    case notify::kProgramDirectory:
      return Pointer(CopyText(Runtime().programDirectory.c_str()));
    case notify::kProgramFileName:
      return Pointer(CopyText(Runtime().programFileName.c_str()));
    case notify::kUnitDestroyed:
      UnitDestroyed(static_cast<uint32_t>(param1), static_cast<uint32_t>(param2));
      return 0;
    case notify::kUnitObject:
      return Pointer(CreatedObject(static_cast<uint32_t>(param1), static_cast<uint32_t>(param2)));
    case notify::kExistingUnitObject: {
      UnitObject* object = CreatedObject(static_cast<uint32_t>(param1), static_cast<uint32_t>(param2));
      if (!object) RaiseRuntimeError("指定窗口或窗口组件不存在或尚未载入", 0);
      return Pointer(object);
    }
    case notify::kRaiseEvent:
      return DispatchEvent(*reinterpret_cast<EventRecord*>(param1));
    case notify::kRaiseTypedEvent:
      return DispatchTypedEvent(*reinterpret_cast<TypedEventRecord*>(param1));
    case notify::kBlockEvents:
      ProcessPendingMessages();
      ++Runtime().eventBlock;
      return 0;
    case notify::kUnblockEvents:
      ProcessPendingMessages();
      if (Runtime().eventBlock > 0) --Runtime().eventBlock;
      return 0;
    case notify::kProcessMessages:
      ProcessPendingMessages();
      return 0;
    case notify::kCurrentEventSource: {
      const EventSource& source = Runtime().currentEventSource;
      if (source.windowId == 0) return 0;
      auto* words = reinterpret_cast<uint32_t*>(param1);
      words[0] = source.windowId;
      words[1] = source.unitId;
      return 1;
    }
    case notify::kFreeArray:
      FreeArray(reinterpret_cast<int32_t*>(param2), static_cast<DataType>(param1));
      return 0;
    case notify::kAllocate:
      return Pointer(param2 ? AllocateOrNull(static_cast<int32_t>(param1)) : Allocate(static_cast<int32_t>(param1)));
    case notify::kFree:
      Free(reinterpret_cast<void*>(param1));
      return 0;
    case notify::kReallocate:
      return Pointer(Reallocate(reinterpret_cast<void*>(param1), static_cast<int32_t>(param2)));
    case notify::kRaiseError:
      RaiseRuntimeError(reinterpret_cast<const char*>(param1), 0);
    case notify::kExitProgram:
      ExitProgram(static_cast<int>(param1));
    case notify::kProgramMode:
      return Runtime().programMode;
    default:
      return 0;
  }
}

void DestroyProgramIcons() {
  for (void*& icon : Runtime().programIcons) {
    if (icon) DestroyIcon(static_cast<HICON>(icon));
    icon = nullptr;
  }
}

}  // namespace vx
