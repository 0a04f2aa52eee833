#include "tests/support/test_units.h"

#include <windows.h>

#include "runtime/framework/gbk.h"
#include "runtime/framework/runtime_link.h"
#include "runtime/framework/window_text.h"
#include "units/unit_base/unit_operations.h"
#include "units/unit_types/core_unit_types.h"

namespace vx::test {

namespace {

constexpr StoredField<TestButtonData> kButtonFields[] = {{&TestButtonData::isDefault}, {&TestButtonData::caption}};
constexpr StoredField<TestEditData> kEditFields[] = {
    {&TestEditData::readOnly}, {&TestEditData::alignment}, {&TestEditData::limit},  {&TestEditData::multiline},
    {&TestEditData::font},     {&TestEditData::data},      {&TestEditData::content}};
constexpr StoredField<TestLabelData> kLabelFields[] = {{&TestLabelData::caption}};

int liveEdits = 0;

class TestButton : public DataUnit<TestButtonData> {
 public:
  using DataUnit::DataUnit;
  bool Create(const UnitPlacement& placement) {
    RaiseFocusEvents();
    return CreateControl(L"BUTTON", WideFromGbk(data_.caption).c_str(),
                         data_.isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, 0, placement);
  }
  static int32_t IsDefaultButton(UnitInstance unit) {
    return (GetWindowLongW(AsUnitObject(unit)->handle(), GWL_STYLE) & 0x0F) == BS_DEFPUSHBUTTON;
  }

 protected:
  bool OnReflectedMessage(UINT message, WPARAM wParam, LPARAM, LRESULT* result) override {
    if (message != WM_COMMAND || HIWORD(wParam) != BN_CLICKED) return false;
    RaiseEvent(0);
    *result = 0;
    return true;
  }
};

class TestEdit : public DataUnit<TestEditData> {
 public:
  TestEdit(uint32_t windowId, uint32_t unitId) : DataUnit(windowId, unitId) { ++liveEdits; }
  ~TestEdit() override { --liveEdits; }

  bool Create(const UnitPlacement& placement) {
    RaiseFocusEvents();
    uint32_t style = WS_BORDER | ES_AUTOHSCROLL | (data_.multiline ? ES_MULTILINE | ES_WANTRETURN : 0) |
                     (data_.readOnly ? ES_READONLY : 0);
    return CreateControl(L"EDIT", WideFromGbk(data_.content).c_str(), style, 0, placement);
  }
  static bool ReadContent(TestEdit& unit, RawPropertyValue& value) {
    unit.data_.content = GbkWindowTextOf(unit.handle());
    value.text = unit.data_.content.c_str();
    return true;
  }
  static int32_t ApplyReadOnly(TestEdit& unit, const RawPropertyValue& value) {
    SendMessageW(unit.handle(), EM_SETREADONLY, value.integer, 0);
    return 0;
  }
  // A multi-line edit keeps Enter for its line breaks.
  static int32_t WantsKey(UnitInstance unit, uint32_t key) {
    return static_cast<TestEdit*>(AsUnitObject(unit))->data_.multiline && key == VK_RETURN;
  }
};

class TestLabel : public DataUnit<TestLabelData> {
 public:
  using DataUnit::DataUnit;
  // SS_NOTIFY: a static control is otherwise transparent to the mouse.
  bool Create(const UnitPlacement& placement) {
    return CreateControl(L"STATIC", WideFromGbk(data_.caption).c_str(), SS_NOTIFY, 0, placement);
  }
};

constexpr PropertyRow<TestButton> kButtonRows[] = {
    {test_button_property::kCaption, "Caption", pt::kText, kPlain, &TestButtonData::caption},
    {test_button_property::kIsDefault,
     "IsDefault",
     pt::kLogical,
     kPlain,
     &TestButtonData::isDefault,
     {},
     Effect::kRecreateWhenChanged},
};
constexpr PropertyRow<TestEdit> kEditRows[] = {
    {test_edit_property::kContent,
     "Content",
     pt::kText,
     kPlain,
     &TestEditData::content,
     {},
     Effect::kWindowText,
     &TestEdit::ReadContent},
    {test_edit_property::kReadOnly,
     "ReadOnly",
     pt::kLogical,
     kPlain,
     &TestEditData::readOnly,
     {},
     Call(&TestEdit::ApplyReadOnly)},
    {test_edit_property::kAlignment, "Alignment", pt::kPickList, kPlain, &TestEditData::alignment, PickList(3)},
    {test_edit_property::kLimit, "Limit", pt::kInteger, kPlain, &TestEditData::limit},
    {test_edit_property::kFont, "Font", pt::kFont, kPlain, &TestEditData::font},
    {test_edit_property::kData, "Data", pt::kBytes, kPlain, &TestEditData::data},
    {test_edit_property::kMultiline,
     "Multiline",
     pt::kLogical,
     kPlain,
     &TestEditData::multiline,
     {},
     Effect::kRecreate},
};
constexpr PropertyRow<TestLabel> kLabelRows[] = {
    {test_label_property::kCaption,
     "Caption",
     pt::kText,
     kPlain,
     &TestLabelData::caption,
     {},
     Effect::kRecreateWhenChanged},
};

const UnitTypeInfo* Types() {
  static const UnitTypeInfo types[5] = {
      *CoreUnitType(core_unit_type::kWindow),
      UnitTypeOf<TestButton, kButtonRows>({"测试按钮", "TestButton"}, 0x80000840),
      {},
      UnitTypeOf<TestEdit, kEditRows>({"测试编辑框", "TestEdit"}, 0x80000040),
      UnitTypeOf<TestLabel, kLabelRows>({"测试标签", "TestLabel"}, 0x84002040),
  };
  return types;
}

}  // namespace

const PropertyStream<TestButtonData> TestButtonData::kStream = {1, kButtonFields};
const PropertyStream<TestEditData> TestEditData::kStream = {1, kEditFields};
const PropertyStream<TestLabelData> TestLabelData::kStream = {1, kLabelFields};

const LibraryRecord& TestLibrary() {
  static const LibraryRecord library = {CoreLibraryNotify, 5, Types()};
  return library;
}

int LiveTestEdits() { return liveEdits; }

TestEditData* TestEditDataOf(uint32_t windowId, uint32_t unitId) {
  auto* object = CoreLibraryLink().FindUnit(windowId, unitId);
  auto* edit = dynamic_cast<TestEdit*>(object);
  return edit ? &edit->data() : nullptr;
}

}  // namespace vx::test
