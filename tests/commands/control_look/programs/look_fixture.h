// The control-look test window: what the program shows and the messages a test
// drives it with. Shared by the program and its tests.
#pragma once

#include <windows.h>

namespace vx::test::look_fixture {

inline constexpr wchar_t kWindowClass[] = L"VxLookFixture";

// Control ids: the hundreds give the row, the ones the state shown.
enum Id : int {
  kPush = 101,
  kPushDefault,
  kPushPressed,
  kPushChecked,
  kPushIndeterminate,
  kPushDisabled,
  kPushLater,
  kBitmapButton,
  kCheck = 201,
  kCheckChecked,
  kCheckIndeterminate,
  kCheckDisabled,
  kCheckDisabledChecked,
  kCheckTall,
  kCheckTallCentred,
  kCheckLeftText,
  kRadio = 301,
  kRadioChecked,
  kRadioDisabled,
  kRadioDisabledChecked,
  kGroup = 401,
  kGroupCentred,
  kGroupEmpty,
  kGroupDisabled,
  kEditClientEdge = 501,
  kEditBorder,
  kEditNoBorder,
  kEditReadOnly,
  kEditDisabled,
  kEditWithUpDown,
  kUpDownJoined,
  kComboDropDown = 601,
  kComboList,
  kComboSimple,
  kComboListDisabled,
  kUpDownVertical = 701,
  kUpDownHorizontal,
  kUpDownDisabled,
  kListBox = 801,
  kScrollBar,
  kProgressBar,
  kTrackBar,
};

// Messages to the window; results in the return value.
enum Message : UINT {
  // wParam style: calls the set-control-look command; 1 when it returned true.
  kSetLook = WM_APP + 1,
  // wParam id, lParam 1 for a combo box's list: 1 when the window has the
  // procedure it was created with.
  kHasOwnProcedure,
  // The program's count of GDI objects.
  kGdiObjects,
  // wParam times: repaints the controls the look has taken over one after
  // another, frames included, that many repaints in all; returns the
  // milliseconds taken.
  kRepaint,
  // wParam id: gives the control the focus.
  kFocus,
  // wParam id, lParam x and y: draws a magenta pixel there, as nothing else of
  // the program would; it stays until the control repaints.
  kMark,
  // wParam id: puts a procedure of the program's own in front of the control's
  // (after the look's), one that hands every message on.
  kSubclassOnTop,
};

}  // namespace vx::test::look_fixture
