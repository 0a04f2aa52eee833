// The window's pre-translation: what the form does with keys and mouse presses on
// their way to the window or one of its units.
#include <algorithm>
#include <string>
#include <vector>

#include "runtime/framework/gbk.h"
#include "runtime/framework/module_path.h"
#include "runtime/framework/runtime_link.h"
#include "runtime/framework/window_text.h"
#include "units/unit_base/key_codes.h"
#include "units/window/window_navigation.h"
#include "units/window/window_unit.h"

namespace vx {
namespace {

constexpr int32_t kClickEvent = 0;  // event 0 of buttons, check boxes and radio buttons

constexpr uint32_t kMnemonicTypes = unit_state::kArrowKeysMoveFocus | unit_state::kDefaultButton |
                                    unit_state::kMnemonicToggles | unit_state::kMnemonicFocusesNext |
                                    unit_state::kMnemonicEntersGroup;

bool Held(int virtualKey) { return GetKeyState(virtualKey) < 0; }

template <typename Operation>
Operation TypeOperation(const WindowUnitView& unit, int32_t number) {
  return unit.type && unit.type->getInterface ? reinterpret_cast<Operation>(unit.type->getInterface(number)) : nullptr;
}

bool IsEnabledDefaultButton(const WindowUnitView& unit) {
  HWND control = ControlOf(unit);
  if (!control || !IsWindowEnabled(control) || !HasTypeFlag(unit, unit_state::kDefaultButton)) return false;
  auto isDefault = TypeOperation<IsDefaultButtonFn>(unit, unit_interface::kIsDefaultButton);
  return isDefault && isDefault(unit.object) != 0;
}

// "&" followed by the key's letter in either case or its digit; "&&" is a literal.
bool HasMnemonic(HWND control, uint32_t key) {
  std::wstring text = WindowTextOf(control);
  for (size_t i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != L'&') continue;
    wchar_t next = text[i + 1];
    if (next == L'&') {
      ++i;
      continue;
    }
    if (towupper(next) == static_cast<wchar_t>(key)) return true;
  }
  return false;
}

int32_t CommonEventOf(UINT message) {
  switch (message) {
    case WM_LBUTTONDOWN:
      return common_event::kLeftButtonDown;
    case WM_LBUTTONUP:
      return common_event::kLeftButtonUp;
    case WM_LBUTTONDBLCLK:
      return common_event::kDoubleClicked;
    case WM_RBUTTONDOWN:
      return common_event::kRightButtonDown;
    case WM_RBUTTONUP:
      return common_event::kRightButtonUp;
    case WM_MOUSEMOVE:
      return common_event::kMouseMoved;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      return common_event::kKeyDown;
    case WM_KEYUP:
    case WM_SYSKEYUP:
      return common_event::kKeyUp;
    case WM_CHAR:
      return common_event::kCharTyped;
    case WM_MOUSEWHEEL:
      return common_event::kWheelTurned;
    default:
      return 0;
  }
}

}  // namespace

bool WindowUnit::PreTranslateMessage(MSG* message) {
  bool keyboard = message->message >= WM_KEYFIRST && message->message <= WM_KEYLAST;
  if (keyboard && !IsWindowEnabled(message->hwnd)) return false;
  HWND target = message->hwnd;
  if (embedded_ || (target != handle() && !IsChild(handle(), target))) return false;
  for (HWND at = target; at && at != handle(); at = GetParent(at)) {
    if (dynamic_cast<WindowUnit*>(FromHandlePermanent(at))) return false;  // a window nested in this one
  }
  if (StartsDrag(*message)) return true;
  if ((message->message == WM_KEYDOWN || message->message == WM_SYSKEYDOWN) && HandleKey(*message)) return true;
  return RaiseCommonEvent(*message);
}

bool WindowUnit::StartsDrag(const MSG& message) {
  if (!data_.dragAnywhere || message.message != WM_LBUTTONDOWN) return false;
  if (message.hwnd != handle()) {
    WindowUnitList units = Units();
    const WindowUnitView* unit = UnitWithControl(units, message.hwnd);
    if (!unit || !HasTypeFlag(*unit, unit_state::kDragsWindow)) return false;
  }
  ReleaseCapture();
  SendMessageW(handle(), WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(message.pt.x, message.pt.y));
  return true;
}

bool WindowUnit::HandleKey(const MSG& message) {
  bool ctrl = Held(VK_CONTROL), shift = Held(VK_SHIFT), alt = Held(VK_MENU);
  auto virtualKey = static_cast<uint32_t>(message.wParam);
  uint32_t key = KeyWithModifiers(virtualKey, ctrl, shift, alt);
  HWND focus = GetFocus();
  WindowUnitList units = Units();
  const WindowUnitView* focused = focus ? UnitHolding(units, focus) : nullptr;
  if (focused) {
    auto wantsKey = TypeOperation<WantsKeyFn>(*focused, unit_interface::kWantsKey);
    if (wantsKey && wantsKey(focused->object, key)) return false;
  }
  uint32_t bare = key & key_modifier::kKeyMask;
  uint32_t modifiers = key & ~key_modifier::kKeyMask;
  if (bare == VK_TAB && (modifiers & ~key_modifier::kShift) == 0) {
    MoveFocus(!(modifiers & key_modifier::kShift));
    return true;
  }
  if (bare == VK_RETURN && modifiers == 0) return ClickDefaultButton(focus);
  if (bare == VK_ESCAPE && modifiers == 0) {
    if (!data_.escCloses) return false;
    SendMessageW(handle(), WM_CLOSE, 0, 0);
    return true;
  }
  if (bare == VK_F1 && modifiers == 0) {
    if (!data_.f1OpensHelp) return false;
    OpenHelp();
    return true;
  }
  bool arrow = bare == VK_LEFT || bare == VK_UP || bare == VK_RIGHT || bare == VK_DOWN;
  if (arrow && modifiers == 0 && focused && HasTypeFlag(*focused, unit_state::kArrowKeysMoveFocus)) {
    return MoveWithinGroup(*focused, bare == VK_RIGHT || bare == VK_DOWN);
  }
  bool letterOrDigit = (bare >= 'A' && bare <= 'Z') || (bare >= '0' && bare <= '9');
  if (modifiers == key_modifier::kAlt && letterOrDigit) return ActOnMnemonic(bare);
  return false;
}

bool WindowUnit::ClickDefaultButton(HWND focus) {
  WindowUnitList units = Units();
  const WindowUnitView* focused = focus ? UnitHolding(units, focus) : nullptr;
  if (focused && IsEnabledDefaultButton(*focused)) {
    CoreLibraryLink().RaiseEvent(windowId(), focused->id, kClickEvent);
    return true;
  }
  if (data_.enterMovesFocus) {
    MoveFocus(true);
    return true;
  }
  for (size_t i = 1; i < units.size(); ++i) {
    if (IsEnabledDefaultButton(units[i])) {
      CoreLibraryLink().RaiseEvent(windowId(), units[i].id, kClickEvent);
      return true;
    }
  }
  return false;
}

bool WindowUnit::ActOnMnemonic(uint32_t key) {
  WindowUnitList units = Units();
  for (size_t i = 1; i < units.size(); ++i) {
    const WindowUnitView& unit = units[i];
    HWND control = ControlOf(unit);
    if (!control || !unit.type || !IsWindowVisible(control) || !IsWindowEnabled(control)) continue;
    uint32_t flags = unit.type->stateFlags;
    if (!(flags & kMnemonicTypes) || (flags & unit_state::kNeverShown) || !HasMnemonic(control, key)) continue;

    if (flags & unit_state::kMnemonicToggles) {
      SendMessageW(control, BM_SETCHECK,
                   SendMessageW(control, BM_GETCHECK, 0, 0) == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED, 0);
    }
    if (flags & unit_state::kArrowKeysMoveFocus) {
      for (size_t j = 1; j < units.size(); ++j) {
        HWND other = ControlOf(units[j]);
        if (other && GetParent(other) == GetParent(control) && units[j].type == unit.type) {
          SendMessageW(other, BM_SETCHECK, other == control ? BST_CHECKED : BST_UNCHECKED, 0);
        }
      }
    }
    if (flags & (unit_state::kArrowKeysMoveFocus | unit_state::kDefaultButton | unit_state::kMnemonicToggles)) {
      CoreLibraryLink().RaiseEvent(windowId(), unit.id, kClickEvent);
    } else if (flags & unit_state::kMnemonicFocusesNext) {
      if (const WindowUnitView* next = NextInNavigation(units, &unit, true)) SetFocus(ControlOf(*next));
    } else if (flags & unit_state::kMnemonicEntersGroup) {
      for (const WindowUnitView* candidate : NavigationCandidates(units)) {
        if (candidate->parent == unit.id) {
          SetFocus(ControlOf(*candidate));
          break;
        }
      }
    }
    return true;
  }
  return false;
}

void WindowUnit::OpenHelp() {
  std::wstring file = WideFromGbk(data_.helpFile);
  if (file.empty()) {
    file = ModuleFileName();
    size_t dot = file.rfind(L'.');
    if (dot != std::wstring::npos && dot > file.rfind(L'\\')) file.resize(dot);
    file += L".hlp";
  }
  if (GetFileAttributesW(file.c_str()) == INVALID_FILE_ATTRIBUTES) return;
  if (data_.helpTopic != 0) {
    WinHelpW(handle(), file.c_str(), HELP_CONTEXT, static_cast<ULONG_PTR>(data_.helpTopic));
  } else {
    WinHelpW(handle(), file.c_str(), HELP_FINDER, 0);
  }
  helpOpen_ = true;
}

// Among the units of the focused one's kind under the same parent, in template
// order: the next (or previous) takes the focus and the check, and is clicked.
// Only handles and ids are kept across SetFocus, whose handlers may destroy units.
bool WindowUnit::MoveWithinGroup(const WindowUnitView& focused, bool forward) {
  WindowUnitList units = Units();
  HWND focusedControl = ControlOf(focused);
  if (!focusedControl) return false;
  std::vector<const WindowUnitView*> group;
  for (size_t i = 1; i < units.size(); ++i) {
    const WindowUnitView& unit = units[i];
    HWND control = ControlOf(unit);
    if (!control || unit.type != focused.type || GetParent(control) != GetParent(focusedControl)) continue;
    if (unit.id == focused.id || (IsWindowVisible(control) && IsWindowEnabled(control))) group.push_back(&unit);
  }
  auto at = std::find_if(group.begin(), group.end(), [&](const WindowUnitView* u) { return u->id == focused.id; });
  if (group.size() < 2 || at == group.end()) return false;
  size_t index = static_cast<size_t>(at - group.begin());
  const WindowUnitView* next = group[(index + (forward ? 1 : group.size() - 1)) % group.size()];
  HWND nextControl = ControlOf(*next);
  uint32_t nextId = next->id;
  std::vector<HWND> members;
  for (const WindowUnitView* member : group) members.push_back(ControlOf(*member));
  SetFocus(nextControl);
  for (HWND member : members) {
    if (IsWindow(member)) SendMessageW(member, BM_SETCHECK, member == nextControl ? BST_CHECKED : BST_UNCHECKED, 0);
  }
  CoreLibraryLink().RaiseEvent(windowId(), nextId, kClickEvent);
  return true;
}

void WindowUnit::MoveFocus(bool forward) {
  HWND focus = GetFocus();
  WindowUnitList units = Units();
  const WindowUnitView* focused = focus ? UnitHolding(units, focus) : nullptr;
  if (const WindowUnitView* next = NextInNavigation(units, focused, forward)) SetFocus(ControlOf(*next));
}

bool WindowUnit::RaiseCommonEvent(MSG& message) {
  int32_t event = CommonEventOf(message.message);
  if (event == 0) return false;
  uint32_t unitId = 0;
  if (message.hwnd != handle()) {
    WindowUnitList units = Units();
    const WindowUnitView* unit = UnitWithControl(units, message.hwnd);
    if (!unit) return false;
    unitId = unit->id;
  }
  int32_t modifiers = EventModifiers(Held(VK_CONTROL), Held(VK_SHIFT), Held(VK_MENU));
  EventAnswer answer;
  switch (event) {
    case common_event::kKeyDown:
    case common_event::kKeyUp: {
      uint32_t key = FoldKeypad(static_cast<uint32_t>(message.wParam)) & key_modifier::kKeyMask;
      answer = CoreLibraryLink().RaiseEvent(windowId(), unitId, event, {static_cast<int32_t>(key), modifiers});
      break;
    }
    case common_event::kCharTyped:
      answer = CoreLibraryLink().RaiseEvent(windowId(), unitId, event, {static_cast<int32_t>(message.wParam)});
      if (answer.handled && answer.hasResult && answer.result != 0) {
        message.wParam = static_cast<WPARAM>(static_cast<uint32_t>(answer.result));
      }
      break;
    case common_event::kWheelTurned:
      answer = CoreLibraryLink().RaiseEvent(windowId(), unitId, event,
                                            {static_cast<int16_t>(HIWORD(message.wParam)) / WHEEL_DELTA, modifiers});
      break;
    default:
      answer = CoreLibraryLink().RaiseEvent(
          windowId(), unitId, event,
          {static_cast<int16_t>(LOWORD(message.lParam)), static_cast<int16_t>(HIWORD(message.lParam)), modifiers});
      break;
  }
  return answer.refused();
}

}  // namespace vx
