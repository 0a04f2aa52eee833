#include "commands/control_look/look_actions.h"

#include <windowsx.h>

#include <algorithm>
#include <initializer_list>

namespace vx::look {
namespace {

using namespace step;

enum class Change {
  kNone,
  kCheckState,       // BM_SETCHECK: 1 checked, 2 indeterminate, else neither
  kPressedByWParam,  // BM_SETSTATE
  kDefaultByWParam,  // BM_SETSTYLE: bit 0 is BS_DEFPUSHBUTTON
  kPressedOn,
  kPressedOff,
  kHotOnWhenCold,  // the row applies only when the control is not hot yet
  kHotOffWhenHot,  // ... only when it is hot
  kFirstHalf,      // the row's steps run only when the flag changed
};

struct ActionRow {
  uint32_t kinds;  // bit n for kind n
  UINT message;
  Change change;
  uint32_t steps;
  bool withCommonUpdate;  // the common state update runs as well
};

constexpr uint32_t Kinds(std::initializer_list<LookKind> kinds) {
  uint32_t bits = 0;
  for (LookKind kind : kinds) bits |= 1u << static_cast<int>(kind);
  return bits;
}

constexpr uint32_t kButtons = Kinds({LookKind::kPushButton, LookKind::kCheckBox, LookKind::kRadioButton});
constexpr uint32_t kEdit = Kinds({LookKind::kEdit});
constexpr uint32_t kCombo = Kinds({LookKind::kComboBox});
constexpr uint32_t kUpDown = Kinds({LookKind::kUpDown});
constexpr uint32_t kGroup = Kinds({LookKind::kGroupBox});
constexpr uint32_t kList = Kinds({LookKind::kDropDownList});

constexpr ActionRow kActions[] = {
    {kButtons, WM_SETTEXT, Change::kNone, kCallDefault | kPaint, false},
    {kButtons, WM_PAINT, Change::kNone, kCallDefault | kPaint, false},
    {kButtons, WM_ERASEBKGND, Change::kNone, kCallPrevious, false},
    {kButtons, BM_SETCHECK, Change::kCheckState, kCallPrevious | kPaint, false},
    {kButtons, BM_SETSTATE, Change::kPressedByWParam, kCallPrevious | kPaint, false},
    {kButtons, BM_SETSTYLE, Change::kDefaultByWParam, kCallPrevious | kPaint, false},
    {kEdit, WM_PAINT, Change::kNone, kCallPrevious | kPaint, false},
    {kEdit, WM_NCPAINT, Change::kNone, kCallPrevious | kPaint, false},
    {kEdit, WM_HSCROLL, Change::kNone, kCallPrevious | kPaint, false},
    {kEdit, WM_VSCROLL, Change::kNone, kCallPrevious | kPaint, false},
    {kEdit, WM_NCMOUSEMOVE, Change::kHotOnWhenCold, kCallDefault | kPaint, false},
    {kEdit, WM_MOUSELEAVE, Change::kHotOffWhenHot, kCallDefault | kPaint, false},
    {kCombo, WM_PAINT, Change::kNone, kCallPrevious | kPaint, false},
    {kCombo, WM_NCPAINT, Change::kNone, kCallPrevious | kPaint, false},
    {kCombo, WM_LBUTTONDOWN, Change::kPressedOn, kCallPrevious | kPaint, false},
    {kCombo | kUpDown, WM_LBUTTONUP, Change::kPressedOff, kCallPrevious | kPaint, false},
    {kUpDown, WM_PAINT, Change::kNone, kCallDefault | kPaint, false},
    {kUpDown, WM_NCPAINT, Change::kNone, kCallDefault | kPaint, false},
    {kUpDown, WM_ERASEBKGND, Change::kNone, kReturnLowWord | 1, false},
    {kUpDown, WM_MOUSEMOVE, Change::kFirstHalf, kCallPrevious | kPaint, true},
    {kGroup, WM_PAINT, Change::kNone, kCallDefault | kPaint, false},
    {kGroup, WM_NCPAINT, Change::kNone, kCallDefault | kPaint, false},
    // The drop-down list draws its own border and items over its frames, so it is
    // framed again after each of its paints.
    {kList, WM_PAINT, Change::kNone, kCallPrevious | kPaint, false},
    {kList, WM_NCPAINT, Change::kNone, kCallPrevious | kPaint, false},
};

void SetFlag(uint32_t& state, uint32_t flag, bool on) { state = on ? state | flag : state & ~flag; }

// Whether the mouse at lParam is over the up-down's first half: the left half
// of a horizontal one, the upper half of a vertical one.
bool OverFirstHalf(const LookedControl& control, LPARAM lParam) {
  RECT client;
  GetClientRect(control.window, &client);
  if (control.state & flag::kHorizontal) return GET_X_LPARAM(lParam) <= client.right / 2;
  return GET_Y_LPARAM(lParam) <= client.bottom / 2;
}

// Makes the row's change; false when the row does not apply.
bool Apply(Change change, LookedControl& control, WPARAM wParam, LPARAM lParam) {
  uint32_t& state = control.state;
  switch (change) {
    case Change::kNone:
      return true;
    case Change::kCheckState:
      SetFlag(state, flag::kChecked, wParam == BST_CHECKED);
      SetFlag(state, flag::kIndeterminate, wParam == BST_INDETERMINATE);
      return true;
    case Change::kPressedByWParam:
      SetFlag(state, flag::kPressed, wParam != 0);
      return true;
    case Change::kDefaultByWParam:
      SetFlag(state, flag::kDefault, wParam & BS_DEFPUSHBUTTON);
      return true;
    case Change::kPressedOn:
    case Change::kPressedOff:
      SetFlag(state, flag::kPressed, change == Change::kPressedOn);
      return true;
    case Change::kHotOnWhenCold:
      if (state & flag::kHot) return false;
      state |= flag::kHot;
      return true;
    case Change::kHotOffWhenHot:
      if (!(state & flag::kHot)) return false;
      state &= ~flag::kHot;
      return true;
    case Change::kFirstHalf: {
      const bool first = OverFirstHalf(control, lParam);
      if (first == static_cast<bool>(state & flag::kFirstHalf)) return false;
      SetFlag(state, flag::kFirstHalf, first);
      return true;
    }
  }
  return false;
}

// The state update common to all kinds, and the steps it adds.
uint32_t CommonUpdate(LookedControl& control, UINT message, WPARAM wParam) {
  uint32_t& state = control.state;
  switch (message) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      SetFlag(state, flag::kFocused, message == WM_SETFOCUS);
      return kCallPrevious | kPaint;
    case WM_ENABLE:
      SetFlag(state, flag::kDisabled, !wParam);
      return kCallPrevious | kPaint;
    case WM_MOUSEMOVE: {
      // A button pressed elsewhere and dragged over the control does not light it.
      if ((state & flag::kHot) || (wParam & MK_LBUTTON)) return kCallPreviousAfter;
      TRACKMOUSEEVENT leave = {sizeof leave, TME_LEAVE, control.window, 0};
      if (!TrackMouseEvent(&leave)) return kCallPreviousAfter;
      state |= flag::kHot;
      return kCallPrevious | kPaint;
    }
    case WM_MOUSELEAVE:
      if (!(state & flag::kHot)) return kCallPreviousAfter;
      state &= ~flag::kHot;
      return kCallPrevious | kPaint;
    default:
      return 0;
  }
}

}  // namespace

uint32_t TakeAction(LookedControl& control, UINT message, WPARAM wParam, LPARAM lParam) {
  const uint32_t kind = 1u << static_cast<int>(control.kind);
  const auto* row =
      std::ranges::find_if(kActions, [&](const ActionRow& r) { return (r.kinds & kind) && r.message == message; });
  if (row != std::end(kActions)) {
    const bool applies = Apply(row->change, control, wParam, lParam);
    if (row->withCommonUpdate) return (applies ? row->steps : 0) | CommonUpdate(control, message, wParam);
    if (applies) return row->steps;
  }
  return kCallPrevious | CommonUpdate(control, message, wParam);
}

}  // namespace vx::look
