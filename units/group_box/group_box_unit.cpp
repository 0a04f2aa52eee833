#include "units/group_box/group_box_unit.h"

#include "runtime/framework/gbk.h"
#include "units/unit_base/button_alignment.h"
#include "units/unit_base/control_colours.h"

namespace vx {

// WS_CLIPCHILDREN: the background fill leaves the units inside the frame alone
// instead of painting over them and having them paint again.
bool GroupBoxUnit::Create(const UnitPlacement& placement) {
  uint32_t style = button_style::kGroupBox | HorizontalAlignmentBits(data_.alignment) | WS_CLIPCHILDREN;
  return CreateControl(L"BUTTON", WideFromGbk(data_.caption).c_str(), style, 0, placement);
}

int32_t GroupBoxUnit::RepaintWhole(GroupBoxUnit& unit, const RawPropertyValue&) {
  InvalidateRect(unit.handle(), nullptr, TRUE);
  return 0;
}

int32_t GroupBoxUnit::ApplyAlignment(GroupBoxUnit& unit, const RawPropertyValue& value) {
  HWND box = unit.handle();
  auto style = static_cast<uint32_t>(GetWindowLongW(box, GWL_STYLE));
  style = (style & ~button_style::kCentre) | HorizontalAlignmentBits(value.integer);
  SetWindowLongW(box, GWL_STYLE, static_cast<LONG>(style));
  InvalidateRect(box, nullptr, TRUE);
  return 0;
}

LRESULT GroupBoxUnit::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_ERASEBKGND && brush_.handle()) {
    RECT client;
    GetClientRect(handle(), &client);
    FillRect(reinterpret_cast<HDC>(wParam), &client, brush_.handle());
    return 1;
  }
  return DataUnit::WindowProc(message, wParam, lParam);
}

// The frame asks its parent for its colours (static or button colours, depending
// on the system); the parent hands the request back here.
bool GroupBoxUnit::OnReflectedMessage(UINT message, WPARAM wParam, LPARAM, LRESULT* result) {
  if (message != WM_CTLCOLORSTATIC && message != WM_CTLCOLORBTN) return false;
  if (!brush_.handle()) return false;
  *result = AnswerControlColours(reinterpret_cast<HDC>(wParam), data_.textColour, data_.backColour, brush_.handle());
  return true;
}

}  // namespace vx
