// The edit box's messages: typing, focus, its control's notices, colours, the
// spin control's arrows and the single-line frame.
#include <windows.h>

#include "runtime/framework/gbk.h"
#include "runtime/framework/text/value_text.h"
#include "runtime/framework/window_text.h"
#include "units/edit_box/edit_box_input.h"
#include "units/edit_box/edit_box_spin.h"
#include "units/edit_box/edit_box_text.h"
#include "units/edit_box/edit_box_unit.h"
#include "units/unit_base/control_colours.h"

namespace vx {

LRESULT EditBoxUnit::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CHAR:
      if (!TakesCharacter(static_cast<uint32_t>(wParam))) return 0;
      break;
    case WM_SETFOCUS: {
      LRESULT result = UnitWindow::WindowProc(message, wParam, lParam);
      if (IsLive()) RaiseEvent(common_event::kGotFocus);
      return result;
    }
    // LostFocus comes after the text was rewritten for the input mode.
    case WM_KILLFOCUS: {
      LRESULT result = UnitWindow::WindowProc(message, wParam, lParam);
      if (IsLive()) NormaliseText();
      if (IsLive()) RaiseEvent(common_event::kLostFocus);
      return result;
    }
    case WM_WINDOWPOSCHANGED:
    case WM_ENABLE: {
      LRESULT result = UnitWindow::WindowProc(message, wParam, lParam);
      if (SpinCompanion* spin = SpinCompanion::Of(spin_)) spin->Follow();
      return result;
    }
    case WM_SHOWWINDOW: {
      LRESULT result = UnitWindow::WindowProc(message, wParam, lParam);
      SpinCompanion* spin = SpinCompanion::Of(spin_);
      if (spin && lParam == 0) spin->Show(wParam != 0);  // not for the parent's own showing
      return result;
    }
    case WM_DESTROY:
      if (SpinCompanion* spin = SpinCompanion::Of(spin_)) DestroyWindow(spin->handle());
      spin_ = nullptr;
      break;
    case WM_NCCALCSIZE:
      if (IsSingleLine()) return OnNcCalcSize(wParam, lParam);
      break;
    case WM_NCPAINT:
      if (IsSingleLine()) PaintStrips();
      break;
    case WM_NCHITTEST:
      if (IsSingleLine()) return OnNcHitTest(lParam);
      break;
    case WM_ERASEBKGND:
      if (!IsSingleLine()) break;
      EraseClient(reinterpret_cast<HDC>(wParam));
      return 1;
    default:
      break;
  }
  return UnitWindow::WindowProc(message, wParam, lParam);
}

bool EditBoxUnit::OnReflectedMessage(UINT message, WPARAM wParam, LPARAM, LRESULT* result) {
  switch (message) {
    case WM_COMMAND:
      if (HIWORD(wParam) != EN_CHANGE) return false;
      if (!settingContent_) RaiseEvent(edit_box_event::kContentChanged);
      *result = 0;
      return true;
    // A read-only or disabled edit control asks with WM_CTLCOLORSTATIC.
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
      *result =
          AnswerControlColours(reinterpret_cast<HDC>(wParam), data_.textColour, data_.backColour, brush_.handle());
      return true;
    default:
      return false;
  }
}

// The input mode's filter, and MaxLength counted in GBK bytes: the control itself
// counts characters, which a double-byte character would overrun.
bool EditBoxUnit::TakesCharacter(uint32_t character) {
  if (!AcceptsTypedCharacter(data_.inputMode, character)) return false;
  if (character < 32 || data_.maxLength <= 0) return true;
  std::wstring text = WindowTextOf(handle());
  int32_t kept = GbkLengthOf(text, text.size()) - SelectionOf(handle()).length;
  return kept + GbkLengthOf(std::wstring(1, static_cast<wchar_t>(character)), 1) <= data_.maxLength;
}

// The text rewritten as the value the input mode stands for; the caret stays at
// the old selection start.
void EditBoxUnit::NormaliseText() {
  std::string text = GbkWindowTextOf(handle());
  std::optional<std::string> normalised = NormalisedText(data_.inputMode, text);
  if (!normalised || *normalised == text) return;
  int32_t caret = SelectionOf(handle()).start;
  SetControlText(*normalised);  // raises ContentChanged, whose handler may destroy the box
  if (IsLive()) SelectBytes(handle(), caret, 0);
}

void EditBoxUnit::OnSpinArrow(bool up) {
  if (data_.spinType == 2) {
    RaiseEvent(edit_box_event::kSpinPressed, {up ? 1 : -1});
    return;
  }
  HWND edit = handle();
  if (!IsWindowEnabled(edit) || !IsWindowVisible(edit)) return;
  int64_t value = IntegerOfText(GbkWindowTextOf(edit));
  SetControlText(IntegerText(SpinStep(value, data_.spinMinimum, data_.spinMaximum, up)));
  if (!IsLive()) return;
  SendMessageW(edit, EM_SETSEL, 0, -1);
  SendMessageW(edit, EM_SCROLLCARET, 0, 0);
  SetFocus(edit);
}

}  // namespace vx
