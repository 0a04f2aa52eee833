#include "units/group_box/group_box_unit.h"

#include "runtime/framework/gbk.h"
#include "units/unit_base/button_alignment.h"
#include "units/unit_base/control_colours.h"

namespace vx {

// WS_CLIPCHILDREN: the background fill leaves the units inside the frame alone
// instead of painting over them and having them paint again.
bool GroupBoxUnit::Create(const UnitPlacement& placement) {
  uint32_t style = button_style::kGroupBox | HorizontalAlignmentBits(data_.alignment) | WS_CLIPCHILDREN;
  background_.Make(data_.backColour);
  if (!CreateControl(L"BUTTON", WideFromGbk(data_.caption).c_str(), style, 0, placement)) return false;
  font_.Apply(handle(), data_.font);
  return true;
}

// The whole box again: the old caption may be longer than the new one.
int32_t GroupBoxUnit::ApplyCaption(GroupBoxUnit& unit, const RawPropertyValue&) {
  SetWindowTextW(unit.handle(), WideFromGbk(unit.data_.caption).c_str());
  InvalidateRect(unit.handle(), nullptr, TRUE);
  return 0;
}

int32_t GroupBoxUnit::ApplyAlignment(GroupBoxUnit& unit, const RawPropertyValue&) {
  HWND box = unit.handle();
  auto style = static_cast<uint32_t>(GetWindowLongW(box, GWL_STYLE));
  style = (style & ~button_style::kCentre) | HorizontalAlignmentBits(unit.data_.alignment);
  SetWindowLongW(box, GWL_STYLE, static_cast<LONG>(style));
  InvalidateRect(box, nullptr, TRUE);
  return 0;
}

int32_t GroupBoxUnit::ApplyBackColour(GroupBoxUnit& unit, const RawPropertyValue&) {
  unit.background_.Make(unit.data_.backColour);
  InvalidateRect(unit.handle(), nullptr, TRUE);
  return 0;
}

int32_t GroupBoxUnit::ApplyFont(GroupBoxUnit& unit, const RawPropertyValue&) {
  unit.font_.Apply(unit.handle(), unit.data_.font);
  return 0;
}

LRESULT GroupBoxUnit::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_ERASEBKGND && background_.handle()) {
    RECT client;
    GetClientRect(handle(), &client);
    FillRect(reinterpret_cast<HDC>(wParam), &client, background_.handle());
    return 1;
  }
  return DataUnit::WindowProc(message, wParam, lParam);
}

// The frame asks its parent for its colours (static or button colours, depending
// on the system); the parent hands the request back here.
bool GroupBoxUnit::OnReflectedMessage(UINT message, WPARAM wParam, LPARAM, LRESULT* result) {
  if (message != WM_CTLCOLORSTATIC && message != WM_CTLCOLORBTN) return false;
  if (!background_.handle()) return false;
  *result =
      AnswerControlColours(reinterpret_cast<HDC>(wParam), data_.textColour, data_.backColour, background_.handle());
  return true;
}

}  // namespace vx
