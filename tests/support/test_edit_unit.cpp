#include "tests/support/test_edit_unit.h"

#include <windows.h>

#include <cstring>

#include "runtime/runtime_notify.h"
#include "runtime/template/archive_reader.h"
#include "runtime/template/archive_writer.h"

namespace vx::test {

int TestEditUnit::liveCount = 0;

namespace {

constexpr wchar_t kTestWindowClass[] = L"VxTestWindow";

// The unit's object lives as long as its control: it reports the destruction and
// deletes itself when the control's last message arrives.
struct Subclass {
  WNDPROC original;
  UnitObject* unit;
};

LRESULT CALLBACK UnitProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* subclass = reinterpret_cast<Subclass*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  LRESULT result = CallWindowProcW(subclass->original, window, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    RuntimeNotify(notify::kUnitDestroyed, subclass->unit->windowId(), subclass->unit->unitId());
    if (dynamic_cast<TestEditUnit*>(subclass->unit)) --TestEditUnit::liveCount;
    delete subclass->unit;
    delete subclass;
  }
  return result;
}

void Adopt(UnitObject* unit, HWND window) {
  unit->Attach(window);
  auto* subclass = new Subclass{nullptr, unit};
  SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(subclass));
  subclass->original = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(UnitProc)));
}

// ---- the window type -------------------------------------------------------

UnitObject* CreateTestWindow(const uint8_t*, int32_t, uint32_t styleBits, void* parent, uint32_t, uint32_t,
                             int32_t x, int32_t y, int32_t width, int32_t height, uint32_t windowId,
                             uint32_t unitId, uint32_t, int32_t) {
  WNDCLASSW windowClass = {};
  windowClass.lpfnWndProc = DefWindowProcW;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = kTestWindowClass;
  RegisterClassW(&windowClass);
  HWND window = CreateWindowExW(0, kTestWindowClass, L"test", WS_OVERLAPPEDWINDOW | (styleBits & WS_VISIBLE),
                                x, y, width, height, static_cast<HWND>(parent), nullptr,
                                GetModuleHandleW(nullptr), nullptr);
  if (!window) return nullptr;
  auto* unit = new UnitObject(windowId, unitId);
  Adopt(unit, window);
  return unit;
}

void* TestWindowOperation(int32_t number) {
  return number == unit_interface::kCreateUnit ? reinterpret_cast<void*>(CreateTestWindow) : nullptr;
}

// ---- the edit type -----------------------------------------------------------

bool LoadBlock(TestEditUnit& unit, const uint8_t* record, int32_t length) {
  if (!record || length < 1) return true;
  ArchiveReader in({record, static_cast<size_t>(length)});
  uint32_t version = in.U32();
  unit.readOnly = in.I32();
  unit.alignment = in.I32();
  unit.limit = in.I32();
  unit.multiline = in.I32();
  return in.ok() && version <= 1;
}

UnitObject* CreateTestEdit(const uint8_t* record, int32_t length, uint32_t styleBits, void* parent,
                           uint32_t controlId, uint32_t, int32_t x, int32_t y, int32_t width, int32_t height,
                           uint32_t windowId, uint32_t unitId, uint32_t, int32_t) {
  auto* unit = new TestEditUnit(windowId, unitId);
  if (!LoadBlock(*unit, record, length)) {
    delete unit;
    return nullptr;
  }
  DWORD style = WS_CHILD | WS_CLIPSIBLINGS | styleBits | (unit->multiline ? ES_MULTILINE : 0) |
                (unit->readOnly ? ES_READONLY : 0);
  HWND window = CreateWindowExW(0, L"EDIT", L"", style, x, y, width, height, static_cast<HWND>(parent),
                                reinterpret_cast<HMENU>(static_cast<uintptr_t>(controlId)),
                                GetModuleHandleW(nullptr), nullptr);
  if (!window) {
    delete unit;
    return nullptr;
  }
  ++TestEditUnit::liveCount;
  Adopt(unit, window);
  return unit;
}

void SetBytes(std::vector<uint8_t>& out, const RawPropertyValue& value) {
  out.assign(value.bytes.data, value.bytes.data ? value.bytes.data + value.bytes.length : value.bytes.data);
}

int32_t TestEditChanged(UnitObject* object, int32_t index, const RawPropertyValue* value, int32_t* outWord) {
  auto& unit = *static_cast<TestEditUnit*>(object);
  if (outWord) *outWord = 0;
  switch (index) {
    case 0: SetWindowTextA(unit.handle(), value->text); return 0;
    case 1:
      unit.readOnly = value->integer;
      SendMessageW(unit.handle(), EM_SETREADONLY, unit.readOnly, 0);
      return 0;
    case 2: unit.alignment = value->integer > 2 ? 2 : value->integer; return 0;
    case 3: unit.limit = value->integer; return 0;
    case 4: SetBytes(unit.font, *value); return 0;
    case 5: SetBytes(unit.data, *value); return 0;
    case 6: unit.multiline = value->integer; return 1;
    default: return 0;
  }
}

int32_t TestEditData(UnitObject* object, int32_t index, RawPropertyValue* result) {
  auto& unit = *static_cast<TestEditUnit*>(object);
  switch (index) {
    case 0: {
      int length = GetWindowTextLengthA(unit.handle());
      unit.content.assign(length, '\0');
      GetWindowTextA(unit.handle(), unit.content.data(), length + 1);
      result->text = unit.content.c_str();
      return 1;
    }
    case 1: result->integer = unit.readOnly; return 1;
    case 2: result->integer = unit.alignment; return 1;
    case 3: result->integer = unit.limit; return 1;
    case 4: result->bytes = {unit.font.data(), static_cast<int32_t>(unit.font.size())}; return 1;
    case 5: result->bytes = {unit.data.data(), static_cast<int32_t>(unit.data.size())}; return 1;
    case 6: result->integer = unit.multiline; return 1;
    default: return 0;
  }
}

void* TestEditAllData(UnitObject* object) {
  auto& unit = *static_cast<TestEditUnit*>(object);
  std::vector<uint8_t> block = TestEditBlock(unit.readOnly, unit.alignment, unit.limit, unit.multiline);
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, block.size());
  std::memcpy(GlobalLock(memory), block.data(), block.size());
  GlobalUnlock(memory);
  return memory;
}

void* TestEditOperation(int32_t number) {
  switch (number) {
    case unit_interface::kCreateUnit: return reinterpret_cast<void*>(CreateTestEdit);
    case unit_interface::kPropertyChanged: return reinterpret_cast<void*>(TestEditChanged);
    case unit_interface::kGetPropertyData: return reinterpret_cast<void*>(TestEditData);
    case unit_interface::kGetAllPropertyData: return reinterpret_cast<void*>(TestEditAllData);
    default: return nullptr;
  }
}

UnitPropertyInfo Property(uint16_t type) { return {nullptr, nullptr, nullptr, type, 0x8000, nullptr}; }

const UnitPropertyInfo kWindowProperties[] = {
    Property(property_type::kInteger), Property(property_type::kInteger), Property(property_type::kInteger),
    Property(property_type::kInteger), Property(property_type::kText),    Property(property_type::kLogical),
    Property(property_type::kLogical), Property(property_type::kMousePointer),
};

const UnitPropertyInfo kEditProperties[] = {
    Property(property_type::kInteger),  Property(property_type::kInteger), Property(property_type::kInteger),
    Property(property_type::kInteger),  Property(property_type::kText),    Property(property_type::kLogical),
    Property(property_type::kLogical),  Property(property_type::kMousePointer),
    Property(property_type::kText),     Property(property_type::kLogical), Property(property_type::kPickList),
    Property(property_type::kInteger),  Property(property_type::kFont),    Property(property_type::kBytes),
    Property(property_type::kLogical),
};

const UnitTypeInfo kTypes[kTestUnitTypeCount] = {
    {"窗口", "window", nullptr, 0, nullptr, unit_state::kOwnsControl | unit_state::kWindowType, 0, 0, nullptr,
     8, kWindowProperties, TestWindowOperation, 0, nullptr},
    {"测试编辑框", "TestEdit", nullptr, 0, nullptr, unit_state::kOwnsControl, 0, 0, nullptr, 15, kEditProperties,
     TestEditOperation, 0, nullptr},
};

}  // namespace

GetInterfaceFn TestWindowInterface() { return TestWindowOperation; }
GetInterfaceFn TestEditInterface() { return TestEditOperation; }
const UnitTypeInfo* TestUnitTypes() { return kTypes; }

std::vector<uint8_t> TestEditBlock(int32_t readOnly, int32_t alignment, int32_t limit, int32_t multiline) {
  return ArchiveWriter().U32(1).I32(readOnly).I32(alignment).I32(limit).I32(multiline).Take();
}

}  // namespace vx::test
