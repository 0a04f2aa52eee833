#include "units/combo_box/combo_box_unit.h"

#include <algorithm>

#include "runtime/framework/gbk.h"
#include "runtime/framework/window_text.h"
#include "units/combo_box/combo_box_items.h"
#include "units/combo_box/combo_box_styles.h"
#include "units/unit_base/control_colours.h"

namespace vx {
namespace {

// CB_SETEDITSEL carries both ends in 16-bit halves.
LPARAM EditRange(int64_t start, int64_t end) {
  return MAKELPARAM(std::clamp<int64_t>(start, 0, 0xFFFF), std::clamp<int64_t>(end, 0, 0xFFFF));
}

// A list box takes item heights of 1 to 255 pixels.
constexpr int32_t kMaximumItemHeight = 255;

}  // namespace

// The stored list and its current item come first: selecting an item sets the
// edit text, which the Content row then sets as stored.
bool ComboBoxUnit::Create(const UnitPlacement& placement) {
  uint32_t style = ComboStyle(data_);
  UnitPlacement sized = placement;
  sized.height = ComboControlHeight(ComboTypeOfStyle(style), placement.height);
  if (!CreateControl(L"COMBOBOX", WideFromGbk(data_.content).c_str(), style, 0, sized)) return false;
  standardItemHeight_ = ListItemHeight();
  LoadStoredItems();
  SelectStored();
  return true;
}

int32_t ComboBoxUnit::LiveType() const {
  return ComboTypeOfStyle(static_cast<uint32_t>(GetWindowLongW(handle(), GWL_STYLE)));
}

bool ComboBoxUnit::HasEdit() const { return LiveType() != combo_type::kDropDownList; }

void ComboBoxUnit::EditSelection(int32_t& start, int32_t& end) const {
  DWORD first = 0, last = 0;
  if (HasEdit()) {
    SendMessageW(handle(), CB_GETEDITSEL, reinterpret_cast<WPARAM>(&first), reinterpret_cast<LPARAM>(&last));
  }
  start = static_cast<int32_t>(first);
  end = static_cast<int32_t>(std::max(first, last));
}

void ComboBoxUnit::ApplyEditSelection() {
  if (!HasEdit()) return;
  int64_t start = data_.selStart;
  SendMessageW(handle(), CB_SETEDITSEL, 0, EditRange(start, start + data_.selLength));
}

int32_t ComboBoxUnit::ItemCount() const {
  return std::max<int32_t>(static_cast<int32_t>(SendMessageW(handle(), CB_GETCOUNT, 0, 0)), 0);
}

// The list's own box: not every system's combo box passes an item height on to a
// list it does not draw itself.
HWND ComboBoxUnit::ListBox() const {
  COMBOBOXINFO info = {};
  info.cbSize = sizeof info;
  return GetComboBoxInfo(handle(), &info) ? info.hwndList : nullptr;
}

int32_t ComboBoxUnit::ListItemHeight() const {
  return static_cast<int32_t>(SendMessageW(ListBox(), LB_GETITEMHEIGHT, 0, 0));
}

void ComboBoxUnit::SetListItemHeight(int32_t standard, int32_t spacing) {
  int64_t height = std::clamp<int64_t>(int64_t{standard} + spacing, 1, kMaximumItemHeight);
  SendMessageW(ListBox(), LB_SETITEMHEIGHT, 0, static_cast<LPARAM>(height));
}

void ComboBoxUnit::LoadStoredItems() {
  for (size_t i = 0; i < data_.items.size(); ++i) {
    LRESULT index =
        SendMessageW(handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(WideFromGbk(data_.items[i]).c_str()));
    if (index < 0) continue;
    if (std::optional<int32_t> value = StoredItemValue(data_.itemValues, i)) {
      SendMessageW(handle(), CB_SETITEMDATA, static_cast<WPARAM>(index), static_cast<LPARAM>(*value));
    }
  }
}

void ComboBoxUnit::SelectStored() {
  data_.currentSelection = std::clamp(data_.currentSelection, -1, ItemCount() - 1);
  SendMessageW(handle(), CB_SETCURSEL, static_cast<WPARAM>(data_.currentSelection), 0);
}

LRESULT ComboBoxUnit::Colours(HDC dc) const {
  SetTextColor(dc, data_.textColour);
  SetBkColor(dc, PaintColour(data_.backColour));
  return reinterpret_cast<LRESULT>(brush_.handle());
}

int32_t ComboBoxUnit::AddItem(const char* text, int32_t value) {
  LRESULT index = SendMessageW(handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(WideFromGbk(text).c_str()));
  if (index < 0) return -1;  // CB_ERR or CB_ERRSPACE
  SendMessageW(handle(), CB_SETITEMDATA, static_cast<WPARAM>(index), static_cast<LPARAM>(value));
  return static_cast<int32_t>(index);
}

std::string ComboBoxUnit::ItemText(int32_t index) const {
  if (index < 0 || index >= ItemCount()) return {};
  LRESULT length = SendMessageW(handle(), CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
  if (length < 0) return {};
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  LRESULT copied =
      SendMessageW(handle(), CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<size_t>(std::clamp<LRESULT>(copied, 0, length)));
  return GbkFromWide(text);
}

// A new kind needs a new control. The drop-down kinds show white where the simple
// kind shows the system colour, so the two swap with it.
int32_t ComboBoxUnit::ApplyComboType(ComboBoxUnit& unit, const RawPropertyValue&) {
  if (unit.data_.comboType == unit.LiveType()) return 0;
  unit.data_.backColour = BackColourForType(unit.data_.comboType, unit.data_.backColour);
  return 1;
}

int32_t ComboBoxUnit::ApplyContent(ComboBoxUnit& unit, const RawPropertyValue& value) {
  if (unit.HasEdit()) SetGbkWindowText(unit.handle(), value.text ? value.text : "");
  return 0;
}

int32_t ComboBoxUnit::ApplyMaxLength(ComboBoxUnit& unit, const RawPropertyValue& value) {
  if (unit.HasEdit()) SendMessageW(unit.handle(), CB_LIMITTEXT, static_cast<WPARAM>(value.integer), 0);
  return 0;
}

// -1 puts the caret at the end; other negative values count as 0.
int32_t ComboBoxUnit::ApplySelStart(ComboBoxUnit& unit, const RawPropertyValue& value) {
  if (value.integer == -1) {
    unit.data_.selStart = unit.HasEdit() ? GetWindowTextLengthW(unit.handle()) : 0;
    unit.data_.selLength = 0;
  } else if (value.integer < 0) {
    unit.data_.selStart = 0;
  }
  unit.ApplyEditSelection();
  return 0;
}

// -1 selects the whole text; other negative values count as 0.
int32_t ComboBoxUnit::ApplySelLength(ComboBoxUnit& unit, const RawPropertyValue& value) {
  if (value.integer == -1) {
    unit.data_.selStart = 0;
    unit.data_.selLength = unit.HasEdit() ? GetWindowTextLengthW(unit.handle()) : 0;
  } else if (value.integer < 0) {
    unit.data_.selLength = 0;
  }
  unit.ApplyEditSelection();
  return 0;
}

// The new text takes the selection's place; the caret goes after it.
int32_t ComboBoxUnit::ApplySelectedText(ComboBoxUnit& unit, const RawPropertyValue& value) {
  int32_t start = 0, end = 0;
  unit.EditSelection(start, end);
  std::wstring text = WindowTextOf(unit.handle());
  if (start >= end || static_cast<size_t>(end) > text.size()) return 0;
  std::wstring inserted = WideFromGbk(value.text);
  text.replace(static_cast<size_t>(start), static_cast<size_t>(end - start), inserted);
  SetWindowTextW(unit.handle(), text.c_str());
  int64_t caret = start + static_cast<int64_t>(inserted.size());
  SendMessageW(unit.handle(), CB_SETEDITSEL, 0, EditRange(caret, caret));
  return 0;
}

int32_t ComboBoxUnit::ApplyItemSpacing(ComboBoxUnit& unit, const RawPropertyValue& value) {
  unit.SetListItemHeight(unit.standardItemHeight_, value.integer);
  RedrawWithColours(unit.handle());
  return 0;
}

// A new font gives the list a new standard item height; the spacing goes on top.
int32_t ComboBoxUnit::ApplyFont(ComboBoxUnit& unit, const RawPropertyValue& value) {
  unit.SetListItemHeight(unit.standardItemHeight_, 0);
  unit.font_.Apply(unit.handle(), BytesOf(value));
  unit.standardItemHeight_ = unit.ListItemHeight();
  unit.SetListItemHeight(unit.standardItemHeight_, unit.data_.itemSpacing);
  RedrawWithColours(unit.handle());
  return 0;
}

int32_t ComboBoxUnit::ApplyCurrentSelection(ComboBoxUnit& unit, const RawPropertyValue&) {
  unit.SelectStored();
  return 0;
}

// The stored list changes; the control gets it when it is made again.
int32_t ComboBoxUnit::StoreItems(ComboBoxUnit& unit, const RawPropertyValue& value) {
  unit.data_.items = DecodeItemTexts(BytesOf(value));
  return 1;
}

bool ComboBoxUnit::ReadContent(ComboBoxUnit& unit, RawPropertyValue& value) {
  unit.data_.content = GbkWindowTextOf(unit.handle());
  value.text = unit.data_.content.c_str();
  return true;
}

bool ComboBoxUnit::ReadSelStart(ComboBoxUnit& unit, RawPropertyValue& value) {
  int32_t start = 0, end = 0;
  unit.EditSelection(start, end);
  unit.data_.selStart = start;
  unit.data_.selLength = end - start;
  value.integer = start;
  return true;
}

bool ComboBoxUnit::ReadSelLength(ComboBoxUnit& unit, RawPropertyValue& value) {
  ReadSelStart(unit, value);
  value.integer = unit.data_.selLength;
  return true;
}

bool ComboBoxUnit::ReadSelectedText(ComboBoxUnit& unit, RawPropertyValue& value) {
  int32_t start = 0, end = 0;
  unit.EditSelection(start, end);
  std::wstring text = WindowTextOf(unit.handle());
  unit.textRead_.clear();
  if (start < end && static_cast<size_t>(end) <= text.size()) {
    unit.textRead_ = GbkFromWide(text.substr(static_cast<size_t>(start), static_cast<size_t>(end - start)));
  }
  value.text = unit.textRead_.c_str();
  return true;
}

bool ComboBoxUnit::ReadCurrentSelection(ComboBoxUnit& unit, RawPropertyValue& value) {
  auto selected = static_cast<int32_t>(SendMessageW(unit.handle(), CB_GETCURSEL, 0, 0));
  unit.data_.currentSelection = selected < 0 ? -1 : selected;
  value.integer = unit.data_.currentSelection;
  return true;
}

// The stored list, not the items added since the control was made.
bool ComboBoxUnit::ReadItems(ComboBoxUnit& unit, RawPropertyValue& value) {
  unit.itemsRead_ = unit.data_.items.empty() ? Bytes{} : EncodeItemTexts(unit.data_.items);
  value.bytes.data = unit.itemsRead_.empty() ? nullptr : unit.itemsRead_.data();
  value.bytes.length = static_cast<int32_t>(unit.itemsRead_.size());
  return true;
}

LRESULT ComboBoxUnit::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CTLCOLOREDIT:  // from the control's own edit field and list
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSTATIC:
      if (brush_.handle()) return Colours(reinterpret_cast<HDC>(wParam));
      break;
    case WM_ERASEBKGND:
      if (LiveType() == combo_type::kSimple && brush_.handle()) {
        RECT client;
        GetClientRect(handle(), &client);
        FillRect(reinterpret_cast<HDC>(wParam), &client, brush_.handle());
        return 1;
      }
      break;
    case kDeferredSelectionMessage:
      RaiseEvent(combo_event::kSelectionChanged);
      return 0;
    default:
      break;
  }
  return DataUnit::WindowProc(message, wParam, lParam);
}

bool ComboBoxUnit::OnReflectedMessage(UINT message, WPARAM wParam, LPARAM, LRESULT* result) {
  if (message == WM_CTLCOLOREDIT || message == WM_CTLCOLORLISTBOX || message == WM_CTLCOLORSTATIC) {
    if (!brush_.handle()) return false;
    *result = Colours(reinterpret_cast<HDC>(wParam));
    return true;
  }
  if (message != WM_COMMAND) return false;
  int32_t event = 0;
  switch (HIWORD(wParam)) {
    case CBN_SELENDOK:
      // The control is still settling its selection and edit text: the event waits.
      PostMessageW(handle(), kDeferredSelectionMessage, 0, 0);
      *result = 0;
      return true;
    case CBN_EDITCHANGE:
      event = combo_event::kEditChanged;
      break;
    case CBN_DROPDOWN:
      event = combo_event::kDropDown;
      break;
    case CBN_CLOSEUP:
      event = combo_event::kCloseUp;
      break;
    case CBN_DBLCLK:
      event = combo_event::kDoubleClick;
      break;
    case CBN_SETFOCUS:
      event = common_event::kGotFocus;
      break;
    case CBN_KILLFOCUS:
      event = common_event::kLostFocus;
      break;
    default:
      return false;
  }
  RaiseEvent(event);
  *result = 0;
  return true;
}

}  // namespace vx
