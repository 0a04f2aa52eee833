// The window's pre-translation: what the form does with keys and mouse presses on
// their way to the window or one of its units.
#include <algorithm>
#include <string>
#include <vector>

#include "runtime/gbk.h"
#include "runtime/unit_lookup.h"
#include "units/window/key_codes.h"
#include "units/window/unit_events.h"
#include "units/window/window_navigation.h"
#include "units/window/window_unit.h"

namespace vx {
namespace {

constexpr int32_t kClickEvent = 0;  // event 0 of buttons, check boxes and radio buttons

constexpr uint32_t kMnemonicTypes = unit_state::kArrowKeysMoveFocus | unit_state::kDefaultButton |
                                    unit_state::kMnemonicToggles | unit_state::kMnemonicFocusesNext |
                                    unit_state::kMnemonicEntersGroup;

bool Held(int virtualKey) { return GetKeyState(virtualKey) < 0; }

UnitObject* ObjectIn(const UnitEntry& entry) { return static_cast<UnitObject*>(entry.object()); }

bool HasFlag(const UnitEntry& entry, uint32_t flag) {
  const UnitTypeInfo* type = UnitTypeOf(entry);
  return type && (type->stateFlags & flag);
}

bool IsEnabledDefaultButton(const UnitEntry& entry) {
  HWND control = ControlOf(entry);
  if (!control || !IsWindowEnabled(control) || !HasFlag(entry, unit_state::kDefaultButton)) return false;
  auto isDefault = UnitOperation<IsDefaultButtonFn>(UnitTypeOf(entry), unit_interface::kIsDefaultButton);
  return isDefault && isDefault(ObjectIn(entry)) != 0;
}

// "&" followed by the key's letter in either case or its digit; "&&" is a literal.
bool HasMnemonic(HWND control, uint32_t key) {
  int length = GetWindowTextLengthW(control);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(control, text.data(), length + 1)));
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

// The unit whose own control is the window, or null.
UnitEntry* UnitWithControl(WindowRecord& window, HWND control) {
  for (size_t i = 1; i < window.units.size(); ++i) {
    UnitEntry& entry = window.units.Item(i);
    if (entry.unit() && ControlOf(entry) == control) return &entry;
  }
  return nullptr;
}

int32_t CommonEventOf(UINT message) {
  switch (message) {
    case WM_LBUTTONDOWN: return common_event::kLeftButtonDown;
    case WM_LBUTTONUP: return common_event::kLeftButtonUp;
    case WM_LBUTTONDBLCLK: return common_event::kDoubleClicked;
    case WM_RBUTTONDOWN: return common_event::kRightButtonDown;
    case WM_RBUTTONUP: return common_event::kRightButtonUp;
    case WM_MOUSEMOVE: return common_event::kMouseMoved;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: return common_event::kKeyDown;
    case WM_KEYUP:
    case WM_SYSKEYUP: return common_event::kKeyUp;
    case WM_CHAR: return common_event::kCharTyped;
    case WM_MOUSEWHEEL: return common_event::kWheelTurned;
    default: return 0;
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
    WindowRecord* window = WindowRecordOf(windowId());
    UnitEntry* unit = window ? UnitWithControl(*window, message.hwnd) : nullptr;
    if (!unit || !HasFlag(*unit, unit_state::kDragsWindow)) return false;
  }
  ReleaseCapture();
  SendMessageW(handle(), WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(message.pt.x, message.pt.y));
  return true;
}

bool WindowUnit::HandleKey(const MSG& message) {
  WindowRecord* window = WindowRecordOf(windowId());
  if (!window) return false;
  bool ctrl = Held(VK_CONTROL), shift = Held(VK_SHIFT), alt = Held(VK_MENU);
  auto virtualKey = static_cast<uint32_t>(message.wParam);
  uint32_t key = KeyWithModifiers(virtualKey, ctrl, shift, alt);
  HWND focus = GetFocus();
  UnitEntry* focused = focus ? UnitHolding(*window, focus) : nullptr;
  if (focused) {
    auto wantsKey = UnitOperation<WantsKeyFn>(UnitTypeOf(*focused), unit_interface::kWantsKey);
    if (wantsKey && wantsKey(ObjectIn(*focused), key)) return false;
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
  if (arrow && modifiers == 0 && focused && HasFlag(*focused, unit_state::kArrowKeysMoveFocus)) {
    return MoveWithinGroup(*focused, bare == VK_RIGHT || bare == VK_DOWN);
  }
  bool letterOrDigit = (bare >= 'A' && bare <= 'Z') || (bare >= '0' && bare <= '9');
  if (modifiers == key_modifier::kAlt && letterOrDigit) return ActOnMnemonic(bare);
  return false;
}

bool WindowUnit::ClickDefaultButton(HWND focus) {
  WindowRecord* window = WindowRecordOf(windowId());
  if (!window) return false;
  UnitEntry* focused = focus ? UnitHolding(*window, focus) : nullptr;
  if (focused && IsEnabledDefaultButton(*focused)) {
    RaiseUnitEvent(windowId(), focused->id(), kClickEvent);
    return true;
  }
  if (data_.enterMovesFocus) {
    MoveFocus(true);
    return true;
  }
  for (size_t i = 1; i < window->units.size(); ++i) {
    UnitEntry& entry = window->units.Item(i);
    if (entry.unit() && IsEnabledDefaultButton(entry)) {
      RaiseUnitEvent(windowId(), entry.id(), kClickEvent);
      return true;
    }
  }
  return false;
}

bool WindowUnit::ActOnMnemonic(uint32_t key) {
  WindowRecord* window = WindowRecordOf(windowId());
  if (!window) return false;
  for (size_t i = 1; i < window->units.size(); ++i) {
    UnitEntry& entry = window->units.Item(i);
    HWND control = ControlOf(entry);
    const UnitTypeInfo* type = UnitTypeOf(entry);
    if (!control || !type || !IsWindowVisible(control) || !IsWindowEnabled(control)) continue;
    uint32_t flags = type->stateFlags;
    if (!(flags & kMnemonicTypes) || (flags & unit_state::kNeverShown) || !HasMnemonic(control, key)) continue;

    if (flags & unit_state::kMnemonicToggles) {
      SendMessageW(control, BM_SETCHECK, SendMessageW(control, BM_GETCHECK, 0, 0) == BST_CHECKED ? BST_UNCHECKED
                                                                                                 : BST_CHECKED, 0);
    }
    if (flags & unit_state::kArrowKeysMoveFocus) {
      for (size_t j = 1; j < window->units.size(); ++j) {
        UnitEntry& other = window->units.Item(j);
        HWND otherControl = ControlOf(other);
        if (otherControl && GetParent(otherControl) == GetParent(control) && UnitTypeOf(other) == type) {
          SendMessageW(otherControl, BM_SETCHECK, otherControl == control ? BST_CHECKED : BST_UNCHECKED, 0);
        }
      }
    }
    if (flags & (unit_state::kArrowKeysMoveFocus | unit_state::kDefaultButton | unit_state::kMnemonicToggles)) {
      RaiseUnitEvent(windowId(), entry.id(), kClickEvent);
    } else if (flags & unit_state::kMnemonicFocusesNext) {
      if (UnitEntry* next = NextInNavigation(*window, &entry, true)) SetFocus(ControlOf(*next));
    } else if (flags & unit_state::kMnemonicEntersGroup) {
      for (UnitEntry* candidate : NavigationCandidates(*window)) {
        if (candidate->unit()->parent == entry.id()) {
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
    wchar_t path[MAX_PATH * 2];
    file.assign(path, GetModuleFileNameW(nullptr, path, MAX_PATH * 2));
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
bool WindowUnit::MoveWithinGroup(UnitEntry& focused, bool forward) {
  WindowRecord* window = WindowRecordOf(windowId());
  HWND focusedControl = ControlOf(focused);
  if (!window || !focusedControl) return false;
  std::vector<UnitEntry*> group;
  for (size_t i = 1; i < window->units.size(); ++i) {
    UnitEntry& entry = window->units.Item(i);
    HWND control = ControlOf(entry);
    if (!control || UnitTypeOf(entry) != UnitTypeOf(focused) || GetParent(control) != GetParent(focusedControl)) {
      continue;
    }
    if (&entry == &focused || (IsWindowVisible(control) && IsWindowEnabled(control))) group.push_back(&entry);
  }
  auto at = std::find(group.begin(), group.end(), &focused);
  if (group.size() < 2 || at == group.end()) return false;
  size_t index = static_cast<size_t>(at - group.begin());
  UnitEntry* next = group[(index + (forward ? 1 : group.size() - 1)) % group.size()];
  SetFocus(ControlOf(*next));
  for (UnitEntry* member : group) {
    SendMessageW(ControlOf(*member), BM_SETCHECK, member == next ? BST_CHECKED : BST_UNCHECKED, 0);
  }
  RaiseUnitEvent(windowId(), next->id(), kClickEvent);
  return true;
}

void WindowUnit::MoveFocus(bool forward) {
  WindowRecord* window = WindowRecordOf(windowId());
  if (!window) return;
  HWND focus = GetFocus();
  UnitEntry* focused = focus ? UnitHolding(*window, focus) : nullptr;
  if (UnitEntry* next = NextInNavigation(*window, focused, forward)) SetFocus(ControlOf(*next));
}

bool WindowUnit::RaiseCommonEvent(MSG& message) {
  int32_t event = CommonEventOf(message.message);
  if (event == 0) return false;
  WindowRecord* window = WindowRecordOf(windowId());
  if (!window) return false;
  uint32_t unitId = 0;
  if (message.hwnd != handle()) {
    UnitEntry* unit = UnitWithControl(*window, message.hwnd);
    if (!unit) return false;
    unitId = unit->id();
  }
  int32_t modifiers = EventModifiers(Held(VK_CONTROL), Held(VK_SHIFT), Held(VK_MENU));
  EventAnswer answer;
  switch (event) {
    case common_event::kKeyDown:
    case common_event::kKeyUp: {
      uint32_t key = FoldKeypad(static_cast<uint32_t>(message.wParam)) & key_modifier::kKeyMask;
      answer = RaiseUnitEvent(windowId(), unitId, event, {static_cast<int32_t>(key), modifiers});
      break;
    }
    case common_event::kCharTyped:
      answer = RaiseUnitEvent(windowId(), unitId, event, {static_cast<int32_t>(message.wParam)});
      if (answer.handled && answer.hasResult && answer.result != 0) {
        message.wParam = static_cast<WPARAM>(static_cast<uint32_t>(answer.result));
      }
      break;
    case common_event::kWheelTurned:
      answer = RaiseUnitEvent(windowId(), unitId, event,
                              {static_cast<int16_t>(HIWORD(message.wParam)) / WHEEL_DELTA, modifiers});
      break;
    default:
      answer = RaiseUnitEvent(windowId(), unitId, event,
                              {static_cast<int16_t>(LOWORD(message.lParam)),
                               static_cast<int16_t>(HIWORD(message.lParam)), modifiers});
      break;
  }
  return answer.refused();
}

}  // namespace vx
