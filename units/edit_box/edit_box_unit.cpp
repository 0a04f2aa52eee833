#include "units/edit_box/edit_box_unit.h"

#include "runtime/framework/gbk.h"
#include "runtime/framework/window_text.h"
#include "units/edit_box/edit_box_input.h"
#include "units/edit_box/edit_box_spin.h"
#include "units/edit_box/edit_box_styles.h"
#include "units/edit_box/edit_box_text.h"

namespace vx {
namespace {

// The mask shown in password mode: the stored byte when it is a printable ASCII
// character. An empty mask (code 0 would show the password) or a lone GBK byte
// (no character) masks with "*".
wchar_t PasswordMask(const std::string& passwordChar) {
  auto code = passwordChar.empty() ? 0u : static_cast<unsigned char>(passwordChar[0]);
  return code >= 0x20 && code < 0x7F ? static_cast<wchar_t>(code) : L'*';
}

std::string TextOf(const RawPropertyValue& value) { return value.text ? value.text : ""; }

}  // namespace

// The spin control, when asked for, is made with the box: a box without one
// keeps SpinType 0.
bool EditBoxUnit::Create(const UnitPlacement& placement) {
  if (!CreateControl(L"EDIT", WideFromGbk(data_.content).c_str(), EditBoxStyle(data_), 0, placement)) return false;
  if (IsSingleLine() && data_.spinType != 0) {
    SpinCompanion* spin =
        SpinCompanion::Create(handle(), SpinHasStaticEdge(data_.border), data_.spinMinimum, data_.spinMaximum);
    spin_ = spin ? spin->handle() : nullptr;
    if (!spin) data_.spinType = 0;
  }
  return true;
}

bool EditBoxUnit::IsSingleLine() const { return (GetWindowLongW(handle(), GWL_STYLE) & ES_MULTILINE) == 0; }

void EditBoxUnit::SetControlText(const std::string& text) { SetGbkWindowText(handle(), text); }

void EditBoxUnit::ApplyPasswordMask(int32_t inputMode) {
  wchar_t mask = inputMode == input_mode::kPassword ? PasswordMask(data_.passwordChar) : 0;
  SendMessageW(handle(), EM_SETPASSWORDCHAR, mask, 0);
  InvalidateRect(handle(), nullptr, TRUE);
}

// The control's own change notice is held back while the text is set, so the
// handler runs exactly once, also for an unchanged text.
int32_t EditBoxUnit::ApplyContent(EditBoxUnit& unit, const RawPropertyValue& value) {
  unit.settingContent_ = true;
  unit.SetControlText(TextOf(value));
  unit.settingContent_ = false;
  unit.RaiseEvent(edit_box_event::kContentChanged);
  return 0;
}

int32_t EditBoxUnit::ApplySpinEdge(EditBoxUnit& unit, const RawPropertyValue& value) {
  if (SpinCompanion* spin = SpinCompanion::Of(unit.spin_)) spin->SetStaticEdge(SpinHasStaticEdge(value.integer));
  return 0;
}

// The single-line box's height and its centred line follow the font.
int32_t EditBoxUnit::FitFont(EditBoxUnit& unit, const RawPropertyValue&) {
  if (unit.IsSingleLine()) {
    unit.FitHeight();
    unit.RefreshFrame();
  }
  return 0;
}

int32_t EditBoxUnit::ApplyMaxLength(EditBoxUnit& unit, const RawPropertyValue& value) {
  SendMessageW(unit.handle(), EM_LIMITTEXT, static_cast<WPARAM>(value.integer), 0);
  return 0;
}

int32_t EditBoxUnit::ApplyInputMode(EditBoxUnit& unit, const RawPropertyValue& value) {
  SendMessageW(unit.handle(), EM_SETREADONLY, value.integer == input_mode::kReadOnly, 0);
  unit.ApplyPasswordMask(value.integer);
  return 0;
}

// Only the first byte is kept.
int32_t EditBoxUnit::ApplyPasswordChar(EditBoxUnit& unit, const RawPropertyValue& value) {
  unit.data_.passwordChar = TextOf(value).substr(0, 1);
  if (unit.data_.inputMode == input_mode::kPassword) unit.ApplyPasswordMask(input_mode::kPassword);
  return 0;
}

int32_t EditBoxUnit::ApplySpinRange(EditBoxUnit& unit, const RawPropertyValue&) {
  if (SpinCompanion* spin = SpinCompanion::Of(unit.spin_)) {
    spin->SetRange(unit.data_.spinMinimum, unit.data_.spinMaximum);
  }
  return 0;
}

// -1 puts the caret after the last byte.
int32_t EditBoxUnit::ApplySelStart(EditBoxUnit& unit, const RawPropertyValue& value) {
  EditBoxData& data = unit.data_;
  if (value.integer == -1) {
    data.selStart = GbkLengthOf(WindowTextOf(unit.handle()), SIZE_MAX);
    data.selLength = 0;
  } else if (value.integer < 0) {
    data.selStart = 0;
  }
  SelectBytes(unit.handle(), data.selStart, data.selLength);
  return 0;
}

// -1 selects the whole text.
int32_t EditBoxUnit::ApplySelLength(EditBoxUnit& unit, const RawPropertyValue& value) {
  EditBoxData& data = unit.data_;
  if (value.integer == -1) {
    data.selStart = 0;
    data.selLength = GbkLengthOf(WindowTextOf(unit.handle()), SIZE_MAX);
  } else if (value.integer < 0) {
    data.selLength = 0;
  }
  SelectBytes(unit.handle(), data.selStart, data.selLength);
  return 0;
}

// Replaces the selection; not undoable.
int32_t EditBoxUnit::ApplySelectedText(EditBoxUnit& unit, const RawPropertyValue& value) {
  std::wstring text = WideFromGbk(TextOf(value));
  SendMessageW(unit.handle(), EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
  return 0;
}

bool EditBoxUnit::ReadContent(EditBoxUnit& unit, RawPropertyValue& value) {
  if (unit.ReadsControl()) unit.data_.content = GbkWindowTextOf(unit.handle());
  value.text = unit.data_.content.c_str();
  return true;
}

bool EditBoxUnit::ReadSelStart(EditBoxUnit& unit, RawPropertyValue& value) {
  value.integer = unit.ReadsControl() ? SelectionOf(unit.handle()).start : unit.data_.selStart;
  return true;
}

bool EditBoxUnit::ReadSelLength(EditBoxUnit& unit, RawPropertyValue& value) {
  value.integer = unit.ReadsControl() ? SelectionOf(unit.handle()).length : unit.data_.selLength;
  return true;
}

bool EditBoxUnit::ReadSelectedText(EditBoxUnit& unit, RawPropertyValue& value) {
  unit.selectedText_ = SelectedTextOf(unit.handle());
  value.text = unit.selectedText_.c_str();
  return true;
}

int32_t EditBoxUnit::WantsKey(UnitInstance instance, uint32_t key) {
  auto* unit = dynamic_cast<EditBoxUnit*>(AsUnitObject(instance));
  return unit && key == VK_RETURN && unit->data_.multiLine && unit->data_.inputMode != input_mode::kReadOnly;
}

void EditBoxUnit::SaveControlState() {
  if (IsLive() && ReadsControl()) data_.content = GbkWindowTextOf(handle());
}

}  // namespace vx
