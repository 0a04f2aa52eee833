#include "commands/control_look/take_over.h"

#include <windows.h>

#include <commctrl.h>

#include <string>

#include "commands/control_look/control_classification.h"
#include "commands/control_look/look_window_proc.h"

namespace vx::look {
namespace {

constexpr UINT kRedrawAll = RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ERASENOW | RDW_FRAME;  // 0x705

std::wstring ClassName(HWND window) {
  wchar_t name[64] = {};
  int length = window ? GetClassNameW(window, name, static_cast<int>(std::size(name))) : 0;
  return std::wstring(name, length > 0 ? length : 0);
}

uint32_t StyleOf(HWND window) { return static_cast<uint32_t>(GetWindowLongW(window, GWL_STYLE)); }

std::optional<LookKind> KindOf(HWND window) {
  HWND parent = GetParent(window);  // a pop-up's owner
  const std::wstring name = ClassName(window), parentName = ClassName(parent);
  return LookKindOf({.className = name,
                     .style = StyleOf(window),
                     .hasCaption = GetWindowTextLengthW(window) > 0,
                     .parentClass = parentName,
                     .parentStyle = parent ? StyleOf(parent) : 0});
}

// Joins an up-down to its buddy when the buddy is a taken-over edit box: both
// then paint as one box. Returns the up-down's flags for it.
uint32_t JoinBuddy(HWND upDown, uint32_t style) {
  const uint32_t side = style & (UDS_ALIGNLEFT | UDS_ALIGNRIGHT);
  if (!side) return 0;
  HWND buddy = reinterpret_cast<HWND>(SendMessageW(upDown, UDM_GETBUDDY, 0, 0));
  if (!buddy) return 0;
  TakeOver(buddy);  // the buddy may come later in the enumeration
  LookedControl* edit = TakenOver().Find(buddy);
  if (!edit || edit->passThrough || edit->kind != LookKind::kEdit) return 0;
  if (side & UDS_ALIGNLEFT) {
    edit->state |= flag::kUpDownOnLeft;
    return flag::kLeftOfBuddy;
  }
  edit->state |= flag::kUpDownOnRight;
  return flag::kRightOfBuddy;
}

uint32_t InitialState(HWND window, LookKind kind) {
  const uint32_t style = StyleOf(window);
  uint32_t state = 0;
  if (style & WS_DISABLED) state |= flag::kDisabled;
  if (GetFocus() == window) state |= flag::kFocused;
  switch (kind) {
    case LookKind::kPushButton:
    case LookKind::kCheckBox:
    case LookKind::kRadioButton:
      if ((style & BS_TYPEMASK) == BS_DEFPUSHBUTTON) state |= flag::kDefault;
      switch (SendMessageW(window, BM_GETCHECK, 0, 0)) {
        case BST_CHECKED:
          state |= flag::kChecked;
          break;
        case BST_INDETERMINATE:
          state |= flag::kIndeterminate;
          break;
        default:
          break;
      }
      break;
    case LookKind::kEdit:
      if (style & ES_READONLY) state |= flag::kReadOnly;
      break;
    case LookKind::kUpDown:
      if (style & UDS_HORZ) state |= flag::kHorizontal;
      state |= JoinBuddy(window, style);
      break;
    default:
      break;
  }
  return state;
}

}  // namespace

bool TakeOver(HWND window) {
  LookedControl* existing = TakenOver().Find(window);
  if (existing && !existing->passThrough) return false;
  const std::optional<LookKind> kind = KindOf(window);
  if (!kind) return false;
  const uint32_t state = InitialState(window, *kind);
  const ParentColours colours = AskParentColours(window);
  existing = TakenOver().Find(window);  // the questions above were messages
  if (existing) {
    // Still chained in behind a later procedure: it simply looks after it again.
    if (!existing->passThrough) return false;
    existing->passThrough = false;
    existing->kind = *kind;
    existing->state = state;
    existing->parent = colours;
  } else {
    auto previous =
        reinterpret_cast<WNDPROC>(SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(LookWindowProc)));
    if (!previous) return false;
    TakenOver().Add({.window = window, .kind = *kind, .state = state, .parent = colours, .previous = previous});
  }
  RedrawWindow(window, nullptr, nullptr, kRedrawAll);
  return true;
}

void GiveBack(HWND window) {
  LookedControl* control = TakenOver().Find(window);
  if (!control || control->passThrough) return;
  if (GetWindowLongPtrW(window, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(LookWindowProc)) {
    SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(control->previous));
    TakenOver().Remove(window);
  } else {
    control->passThrough = true;
  }
  RedrawWindow(window, nullptr, nullptr, kRedrawAll);
}

void GiveBackAll() {
  // Collected first: giving back changes the list.
  for (HWND window : TakenOver().LookedAfter()) GiveBack(window);
}

}  // namespace vx::look
