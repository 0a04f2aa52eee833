#include "tests/runtime/programs/form_test_units.h"

#include <windows.h>

#include "runtime/gbk.h"
#include "runtime/runtime_notify.h"
#include "runtime/template/archive_reader.h"
#include "runtime/template/archive_writer.h"
#include "units/unit_object.h"
#include "units/unit_types/core_unit_types.h"
#include "units/window/unit_events.h"
#include "units/window/window_unit.h"

namespace vx::test {
namespace {

class FormControl : public UnitObject {
 public:
  using UnitObject::UnitObject;
  bool isDefault = false;
  bool multiline = false;
  std::string caption;

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    LRESULT result = UnitObject::WindowProc(message, wParam, lParam);
    if (message == WM_SETFOCUS) RaiseUnitEvent(windowId(), unitId(), common_event::kGotFocus);
    if (message == WM_KILLFOCUS) RaiseUnitEvent(windowId(), unitId(), common_event::kLostFocus);
    if (message == WM_NCDESTROY) RuntimeNotify(notify::kUnitDestroyed, windowId(), unitId());
    return result;
  }
  bool OnReflectedMessage(UINT message, WPARAM wParam, LPARAM, LRESULT* result) override {
    if (message != WM_COMMAND || HIWORD(wParam) != BN_CLICKED) return false;
    RaiseUnitEvent(windowId(), unitId(), 0);
    *result = 0;
    return true;
  }
  void PostNcDestroy() override { delete this; }
};

enum class Kind { kButton, kEdit, kLabel };

bool ReadBlock(FormControl& unit, const uint8_t* record, int32_t length, Kind kind) {
  if (!record || length < 1) return true;
  ArchiveReader in({record, static_cast<size_t>(length)});
  uint32_t version = in.U32();
  int32_t flag = in.I32();
  if (kind == Kind::kEdit) {
    unit.multiline = flag != 0;
  } else {
    unit.isDefault = kind == Kind::kButton && flag != 0;
    unit.caption = std::string(in.Text());
  }
  return in.ok() && version <= 1;
}

UnitObject* Create(Kind kind, const uint8_t* record, int32_t length, uint32_t styleBits, void* parent,
                   uint32_t controlId, int32_t x, int32_t y, int32_t width, int32_t height, uint32_t windowId,
                   uint32_t unitId) {
  auto* unit = new FormControl(windowId, unitId);
  if (!ReadBlock(*unit, record, length, kind)) {
    delete unit;
    return nullptr;
  }
  DWORD style = WS_CHILD | WS_CLIPSIBLINGS | styleBits;
  if (kind == Kind::kButton) style |= unit->isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
  if (kind == Kind::kEdit) {
    style |= WS_BORDER | ES_AUTOHSCROLL | (unit->multiline ? ES_MULTILINE | ES_WANTRETURN : 0);
  }
  // SS_NOTIFY: a static control is otherwise transparent to the mouse.
  if (kind == Kind::kLabel) style |= SS_NOTIFY;
  const wchar_t* className = kind == Kind::kButton ? L"BUTTON" : kind == Kind::kEdit ? L"EDIT" : L"STATIC";
  HWND window = CreateWindowExW(0, className, WideFromGbk(unit->caption).c_str(), style, x, y,
                                width, height, static_cast<HWND>(parent),
                                reinterpret_cast<HMENU>(static_cast<uintptr_t>(controlId)),
                                GetModuleHandleW(nullptr), nullptr);
  if (!window) {
    delete unit;
    return nullptr;
  }
  unit->SubclassWindow(window);
  return unit;
}

UnitObject* CreateButton(const uint8_t* record, int32_t length, uint32_t styleBits, void* parent,
                         uint32_t controlId, uint32_t, int32_t x, int32_t y, int32_t width, int32_t height,
                         uint32_t windowId, uint32_t unitId, uint32_t, int32_t) {
  return Create(Kind::kButton, record, length, styleBits, parent, controlId, x, y, width, height, windowId, unitId);
}

UnitObject* CreateEdit(const uint8_t* record, int32_t length, uint32_t styleBits, void* parent,
                       uint32_t controlId, uint32_t, int32_t x, int32_t y, int32_t width, int32_t height,
                       uint32_t windowId, uint32_t unitId, uint32_t, int32_t) {
  return Create(Kind::kEdit, record, length, styleBits, parent, controlId, x, y, width, height, windowId, unitId);
}

UnitObject* CreateLabel(const uint8_t* record, int32_t length, uint32_t styleBits, void* parent,
                        uint32_t controlId, uint32_t, int32_t x, int32_t y, int32_t width, int32_t height,
                        uint32_t windowId, uint32_t unitId, uint32_t, int32_t) {
  return Create(Kind::kLabel, record, length, styleBits, parent, controlId, x, y, width, height, windowId, unitId);
}

int32_t IsDefaultButton(UnitObject* unit) {
  return (GetWindowLongW(unit->handle(), GWL_STYLE) & 0x0F) == BS_DEFPUSHBUTTON;
}

// A multi-line edit keeps Enter for its line breaks.
int32_t EditWantsKey(UnitObject* unit, uint32_t key) {
  return static_cast<FormControl*>(unit)->multiline && key == VK_RETURN;
}

void* ButtonOperations(int32_t number) {
  if (number == unit_interface::kCreateUnit) return reinterpret_cast<void*>(CreateButton);
  if (number == unit_interface::kIsDefaultButton) return reinterpret_cast<void*>(IsDefaultButton);
  return nullptr;
}

void* EditOperations(int32_t number) {
  if (number == unit_interface::kCreateUnit) return reinterpret_cast<void*>(CreateEdit);
  if (number == unit_interface::kWantsKey) return reinterpret_cast<void*>(EditWantsKey);
  return nullptr;
}

void* LabelOperations(int32_t number) {
  return number == unit_interface::kCreateUnit ? reinterpret_cast<void*>(CreateLabel) : nullptr;
}

UnitPropertyInfo Property(uint16_t type) { return {nullptr, nullptr, nullptr, type, 0xE000, nullptr}; }

const UnitPropertyInfo kCommonProperties[] = {
    Property(property_type::kInteger), Property(property_type::kInteger), Property(property_type::kInteger),
    Property(property_type::kInteger), Property(property_type::kText),    Property(property_type::kLogical),
    Property(property_type::kLogical), Property(property_type::kMousePointer),
};

const UnitTypeInfo* Types() {
  static UnitTypeInfo types[5] = {
      *CoreUnitType(core_unit_type::kWindow),
      {"按钮", "Button", nullptr, 0, nullptr, 0x80000840, 0, 0, nullptr, 8, kCommonProperties, ButtonOperations, 0,
       nullptr},
      {},
      {"编辑框", "EditBox", nullptr, 0, nullptr, 0x80000040, 0, 0, nullptr, 8, kCommonProperties, EditOperations, 0,
       nullptr},
      {"标签", "Label", nullptr, 0, nullptr, 0x84002040, 0, 0, nullptr, 8, kCommonProperties, LabelOperations, 0,
       nullptr},
  };
  return types;
}

}  // namespace

const LibraryRecord& FormTestLibrary() {
  static const LibraryRecord library = {nullptr, 5, Types()};
  return library;
}

std::vector<uint8_t> FormButtonBlock(bool isDefault, const std::string& caption) {
  return ArchiveWriter().U32(1).I32(isDefault ? 1 : 0).Text(caption).Take();
}

std::vector<uint8_t> FormEditBlock(bool multiline) { return ArchiveWriter().U32(1).I32(multiline ? 1 : 0).Take(); }

std::vector<uint8_t> FormLabelBlock(const std::string& caption) {
  return ArchiveWriter().U32(1).I32(0).Text(caption).Take();
}

}  // namespace vx::test
