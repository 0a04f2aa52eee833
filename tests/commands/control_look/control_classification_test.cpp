// Which windows the look takes over, by class name and style.
#include "commands/control_look/control_classification.h"

#include <gtest/gtest.h>

namespace vx::look {
namespace {

constexpr uint32_t kChild = 0x50000000;  // WS_CHILD | WS_VISIBLE

struct Case {
  const wchar_t* what;
  WindowTraits window;
  std::optional<LookKind> kind;
};

WindowTraits Window(const wchar_t* className, uint32_t style, bool hasCaption, const wchar_t* parentClass = L"",
                    uint32_t parentStyle = 0) {
  return {className, style, hasCaption, parentClass, parentStyle};
}

TEST(ControlClassification, ClassesAndStylesGiveTheirKinds) {
  const Case cases[] = {
      {L"push button, any case of class name", Window(L"BUTTON", kChild | 0x0, true), LookKind::kPushButton},
      {L"default push button", Window(L"button", kChild | 0x1, true), LookKind::kPushButton},
      {L"push-like check box", Window(L"Button", kChild | 0x1000 | 0x3, true), LookKind::kPushButton},
      {L"push-like radio button", Window(L"Button", kChild | 0x1000 | 0x9, true), LookKind::kPushButton},
      {L"check box", Window(L"Button", kChild | 0x2, true), LookKind::kCheckBox},
      {L"radio button", Window(L"Button", kChild | 0x4, true), LookKind::kRadioButton},
      {L"group box", Window(L"Button", kChild | 0x7, true), LookKind::kGroupBox},
      {L"bitmap push button", Window(L"Button", kChild | 0x80, true), std::nullopt},
      {L"owner-drawn button", Window(L"Button", kChild | 0xB, true), std::nullopt},
      {L"hidden helper button", Window(L"Button", 0x40010000, false), std::nullopt},
      {L"helper style with a caption", Window(L"Button", 0x40010000, true), LookKind::kPushButton},
      {L"edit box", Window(L"Edit", kChild, false), LookKind::kEdit},
      {L"field of an IP-address control", Window(L"Edit", kChild, false, L"SysIPAddress32"), std::nullopt},
      {L"drop-down combo box", Window(L"ComboBox", kChild | 0x2, false), LookKind::kComboBox},
      {L"drop-down-list combo box", Window(L"combobox", kChild | 0x3, false), LookKind::kComboBox},
      {L"simple combo box", Window(L"ComboBox", kChild | 0x1, false), std::nullopt},
      {L"drop-down list", Window(L"ComboLBox", 0x80800000, false, L"ComboBox", kChild | 0x3), LookKind::kDropDownList},
      {L"simple combo box's list", Window(L"ComboLBox", kChild, false, L"ComboBox", kChild | 0x1), std::nullopt},
      {L"up-down", Window(L"msctls_updown32", kChild, false), LookKind::kUpDown},
      {L"recognised: list box", Window(L"ListBox", kChild, false), std::nullopt},
      {L"unknown class", Window(L"Static", kChild, true), std::nullopt},
      {L"a longer name sharing a prefix", Window(L"ButtonX", kChild, true), std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(LookKindOf(c.window), c.kind) << testing::PrintToString(std::wstring(c.what));
  }
}

}  // namespace
}  // namespace vx::look
