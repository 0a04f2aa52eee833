#include "commands/control_look/control_classification.h"

#include <algorithm>

namespace vx::look {
namespace {

// Style bits, as the platform headers define them (this file is pure).
constexpr uint32_t kButtonTypeMask = 0x0F;  // BS_TYPEMASK
constexpr uint32_t kBitmapButton = 0x80;    // BS_BITMAP
constexpr uint32_t kPushLike = 0x1000;      // BS_PUSHLIKE
// A push button without caption of exactly WS_CHILD | WS_TABSTOP: a hidden
// helper button, left as it is.
constexpr uint32_t kHelperButtonStyle = 0x40010000;
constexpr uint32_t kComboTypeMask = 0x3, kSimpleCombo = 0x1;  // CBS_SIMPLE

enum class Family { kButton, kEdit, kComboBox, kComboList, kUpDown, kRecognisedOnly };

struct ClassRow {
  std::wstring_view name;
  Family family;
};

// The classes of the look. Those marked recognised-only are known to it and left
// to their own painting.
constexpr ClassRow kClasses[] = {
    {L"Button", Family::kButton},
    {L"Edit", Family::kEdit},
    {L"msctls_hotkey32", Family::kRecognisedOnly},
    {L"SysIPAddress32", Family::kRecognisedOnly},
    {L"ListBox", Family::kRecognisedOnly},
    {L"SysListView32", Family::kRecognisedOnly},
    {L"SysTreeView32", Family::kRecognisedOnly},
    {L"ComboBox", Family::kComboBox},
    {L"SysDateTimePick32", Family::kRecognisedOnly},
    {L"msctls_updown32", Family::kUpDown},
    {L"ScrollBar", Family::kRecognisedOnly},
    {L"SysMonthCal32", Family::kRecognisedOnly},
    {L"SysTabControl32", Family::kRecognisedOnly},
    {L"msctls_progress32", Family::kRecognisedOnly},
    {L"msctls_trackbar32", Family::kRecognisedOnly},
    {L"ComboLBox", Family::kComboList},
};

bool SameName(std::wstring_view a, std::wstring_view b) {
  auto lower = [](wchar_t c) { return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c - L'A' + L'a') : c; };
  return std::ranges::equal(a, b, [&](wchar_t x, wchar_t y) { return lower(x) == lower(y); });
}

std::optional<LookKind> ButtonKind(const WindowTraits& window) {
  if (window.style & kBitmapButton) return std::nullopt;
  const bool pushLike = window.style & kPushLike;
  switch (window.style & kButtonTypeMask) {
    case 0x0:  // BS_PUSHBUTTON
    case 0x1:  // BS_DEFPUSHBUTTON
      if (!window.hasCaption && window.style == kHelperButtonStyle) return std::nullopt;
      return LookKind::kPushButton;
    case 0x2:  // BS_CHECKBOX
    case 0x3:  // BS_AUTOCHECKBOX
    case 0x5:  // BS_3STATE
    case 0x6:  // BS_AUTO3STATE
      return pushLike ? LookKind::kPushButton : LookKind::kCheckBox;
    case 0x4:  // BS_RADIOBUTTON
    case 0x9:  // BS_AUTORADIOBUTTON
      return pushLike ? LookKind::kPushButton : LookKind::kRadioButton;
    case 0x7:  // BS_GROUPBOX
      return LookKind::kGroupBox;
    default:  // user buttons, owner-drawn buttons and newer styles
      return std::nullopt;
  }
}

bool IsSimpleCombo(std::wstring_view className, uint32_t style) {
  return SameName(className, L"ComboBox") && (style & kComboTypeMask) == kSimpleCombo;
}

}  // namespace

std::optional<LookKind> LookKindOf(const WindowTraits& window) {
  auto row = std::ranges::find_if(kClasses, [&](const ClassRow& r) { return SameName(r.name, window.className); });
  if (row == std::end(kClasses)) return std::nullopt;
  switch (row->family) {
    case Family::kButton:
      return ButtonKind(window);
    case Family::kEdit:
      if (SameName(window.parentClass, L"SysIPAddress32")) return std::nullopt;
      return LookKind::kEdit;
    case Family::kComboBox:
      if (IsSimpleCombo(window.className, window.style)) return std::nullopt;
      return LookKind::kComboBox;
    case Family::kComboList:
      if (IsSimpleCombo(window.parentClass, window.parentStyle)) return std::nullopt;
      return LookKind::kDropDownList;
    case Family::kUpDown:
      return LookKind::kUpDown;
    case Family::kRecognisedOnly:
      return std::nullopt;
  }
  return std::nullopt;
}

}  // namespace vx::look
