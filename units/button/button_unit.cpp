#include "units/button/button_unit.h"

#include "runtime/framework/gbk.h"
#include "units/button/button_style.h"

namespace vx {

bool ButtonUnit::Create(const UnitPlacement& placement) {
  RaiseFocusEvents();
  // A Picture is shown once pictures can be decoded: an icon or cursor image with
  // BS_ICON and BM_SETIMAGE (IMAGE_ICON), any other image rendered on the button
  // face with BS_BITMAP and BM_SETIMAGE (IMAGE_BITMAP). Until the picture decoder
  // exists the button shows its caption, and a picture it cannot show is ignored.
  return CreateControl(L"BUTTON", WideFromGbk(data_.caption).c_str(), ButtonStyle(data_), 0, placement);
}

// In place: the alignment bits directly, the push-button kind through BM_SETSTYLE,
// which the control keeps track of and which repaints it.
int32_t ButtonUnit::ApplyStyle(ButtonUnit& unit, const RawPropertyValue&) {
  HWND button = unit.handle();
  uint32_t wanted = ButtonStyle(unit.data_);
  auto style = static_cast<uint32_t>(GetWindowLongW(button, GWL_STYLE));
  style = (style & ~button_style::kAlignmentMask) | (wanted & button_style::kAlignmentMask);
  SetWindowLongW(button, GWL_STYLE, static_cast<LONG>(style));
  SendMessageW(button, BM_SETSTYLE, wanted & button_style::kTypeMask, TRUE);
  return 0;
}

int32_t ButtonUnit::IsDefaultButton(UnitInstance instance) {
  UnitObject* unit = AsUnitObject(instance);
  if (!unit || !unit->handle()) return 0;
  auto style = static_cast<uint32_t>(GetWindowLongW(unit->handle(), GWL_STYLE));
  return (style & button_style::kTypeMask) == button_style::kDefPushButton ? 1 : 0;
}

bool ButtonUnit::OnReflectedMessage(UINT message, WPARAM wParam, LPARAM, LRESULT* result) {
  if (message != WM_COMMAND || HIWORD(wParam) != BN_CLICKED) return false;
  RaiseEvent(kButtonClickEvent);
  *result = 0;
  return true;
}

}  // namespace vx
