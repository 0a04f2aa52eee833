#include "units/slider_bar/slider_bar_unit.h"

#include <commctrl.h>

#include "units/unit_base/value_clamps.h"

namespace vx {
namespace {

uint32_t TickStyle(int32_t tickPosition) {
  switch (tickPosition) {
    case 0:
      return TBS_NOTICKS;
    case 1:
      return TBS_TOP;  // TBS_LEFT on a vertical bar: the same bit
    case 3:
      return TBS_BOTH;
    default:
      return 0;  // bottom or right
  }
}

}  // namespace

bool SliderBarUnit::Create(const UnitPlacement& placement) {
  INITCOMMONCONTROLSEX classes = {sizeof classes, ICC_BAR_CLASSES};
  InitCommonControlsEx(&classes);
  uint32_t style = TBS_AUTOTICKS | (data_.orientation >= 1 ? TBS_VERT : 0) | TickStyle(data_.tickPosition) |
                   (data_.selectionEnabled ? TBS_ENABLESELRANGE : 0);
  RaiseFocusEvents();
  return CreateControl(TRACKBAR_CLASSW, L"", style, 0, placement);
}

void SliderBarUnit::SetControlRange() {
  ControlRange range = RangeOf(data_.minimum, data_.maximum);
  SendMessageW(handle(), TBM_SETRANGE, TRUE, MAKELPARAM(range.low, range.high));
}

void SliderBarUnit::SetControlPosition() {
  SendMessageW(handle(), TBM_SETPOS, TRUE, RangeOf(data_.minimum, data_.maximum).Clamp(data_.position));
}

void SliderBarUnit::SetControlSteps() {
  ControlRange range = RangeOf(data_.minimum, data_.maximum);
  SendMessageW(handle(), TBM_SETLINESIZE, 0, range.Step(data_.lineSize));
  SendMessageW(handle(), TBM_SETPAGESIZE, 0, range.Step(data_.pageSize));
  SendMessageW(handle(), TBM_SETTICFREQ, range.Step(data_.tickFrequency), 0);
}

void SliderBarUnit::SetControlSelection() {
  ControlRange range = RangeOf(data_.minimum, data_.maximum);
  // A stored record may hold any value: both are brought into 0..32767 before the sum.
  int32_t start = kRangeValue(data_.selectionStart);
  int32_t end = range.Clamp(start + kRangeValue(data_.selectionLength));
  start = range.Clamp(start);
  SendMessageW(handle(), TBM_SETSEL, TRUE, MAKELPARAM(start, end));
}

// Steps, selection and thumb were fitted to the old range: they are fitted again
// from the stored values, as a re-created control would show them.
int32_t SliderBarUnit::ApplyRange(SliderBarUnit& unit, const RawPropertyValue&) {
  unit.SetControlRange();
  unit.SetControlPosition();
  unit.SetControlSteps();
  if (unit.data_.selectionEnabled) unit.SetControlSelection();
  return 0;
}

// Setting the position sends no notification: no PositionChanged.
int32_t SliderBarUnit::ApplyPosition(SliderBarUnit& unit, const RawPropertyValue&) {
  unit.SetControlPosition();
  return 0;
}

int32_t SliderBarUnit::ApplySteps(SliderBarUnit& unit, const RawPropertyValue&) {
  unit.SetControlSteps();
  return 0;
}

int32_t SliderBarUnit::ApplySelection(SliderBarUnit& unit, const RawPropertyValue&) {
  if (unit.data_.selectionEnabled) unit.SetControlSelection();
  return 0;
}

bool SliderBarUnit::ReadSelectionStart(SliderBarUnit& unit, RawPropertyValue& value) {
  value.integer = unit.data_.selectionEnabled ? static_cast<int32_t>(SendMessageW(unit.handle(), TBM_GETSELSTART, 0, 0))
                                              : unit.data_.selectionStart;
  return true;
}

bool SliderBarUnit::ReadSelectionLength(SliderBarUnit& unit, RawPropertyValue& value) {
  if (!unit.data_.selectionEnabled) {
    value.integer = unit.data_.selectionLength;
    return true;
  }
  auto start = static_cast<int32_t>(SendMessageW(unit.handle(), TBM_GETSELSTART, 0, 0));
  auto end = static_cast<int32_t>(SendMessageW(unit.handle(), TBM_GETSELEND, 0, 0));
  value.integer = end - start;
  return true;
}

// The parent hands back the control's scroll notifications. No comparison with
// the last position: a drag raises the event for every TB_THUMBTRACK and again for
// TB_THUMBPOSITION.
bool SliderBarUnit::OnReflectedMessage(UINT message, WPARAM wParam, LPARAM, LRESULT* result) {
  if (message != WM_HSCROLL && message != WM_VSCROLL) return false;
  *result = 0;
  if (LOWORD(wParam) == TB_ENDTRACK) return true;
  data_.position = static_cast<int32_t>(SendMessageW(handle(), TBM_GETPOS, 0, 0));
  RaiseEvent(slider_event::kPositionChanged);
  return true;
}

}  // namespace vx
