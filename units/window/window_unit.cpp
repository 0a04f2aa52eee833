#include "units/window/window_unit.h"

#include "runtime/gbk.h"
#include "runtime/runtime_notify.h"
#include "units/window/unit_events.h"
#include "units/window/window_navigation.h"
#include "units/window/window_region.h"
#include "units/window/window_styles.h"

namespace vx {
namespace {

constexpr wchar_t kDefaultClassName[] = L"QRWindow";
constexpr wchar_t kHiddenOwnerClass[] = L"_VX_HideOwner";

BOOL CALLBACK FindHiddenOwner(HWND window, LPARAM lParam) {
  wchar_t name[32];
  if (GetClassNameW(window, name, 32) && lstrcmpW(name, kHiddenOwnerClass) == 0) {
    *reinterpret_cast<HWND*>(lParam) = window;
    return FALSE;
  }
  return TRUE;
}

// The runtime's hidden owner window, made on this thread at start-up.
HWND HiddenOwner() {
  HWND found = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), FindHiddenOwner, reinterpret_cast<LPARAM>(&found));
  return found;
}

// Registers the class on first use. False when it cannot be registered; foreign
// says the class exists with another procedure (its windows are subclassed).
bool EnsureClass(const std::wstring& name, bool& foreign) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSW existing;
  if (GetClassInfoW(instance, name.c_str(), &existing)) {
    foreign = existing.lpfnWndProc != WindowObject::FrameworkWindowProc;
    return true;
  }
  foreign = false;
  WNDCLASSW windowClass = {};
  windowClass.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
  windowClass.lpfnWndProc = WindowObject::FrameworkWindowProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  windowClass.hbrBackground = nullptr;
  windowClass.lpszClassName = name.c_str();
  return RegisterClassW(&windowClass) != 0;
}

bool IsCentred(HWND window) {
  RECT rect;
  GetWindowRect(window, &rect);
  int left = (GetSystemMetrics(SM_CXSCREEN) - (rect.right - rect.left)) / 2;
  int top = (GetSystemMetrics(SM_CYSCREEN) - (rect.bottom - rect.top)) / 2;
  return rect.left == left && rect.top == top;
}

void MoveToCentre(HWND window) {
  RECT rect;
  GetWindowRect(window, &rect);
  int left = (GetSystemMetrics(SM_CXSCREEN) - (rect.right - rect.left)) / 2;
  int top = (GetSystemMetrics(SM_CYSCREEN) - (rect.bottom - rect.top)) / 2;
  SetWindowPos(window, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

bool WindowUnit::Create(uint32_t styleBits, HWND owner, HMENU menu, bool embedded, int32_t x, int32_t y,
                        int32_t width, int32_t height) {
  embedded_ = embedded && owner;
  std::wstring className = data_.windowClassName.empty() ? kDefaultClassName : WideFromGbk(data_.windowClassName);
  bool foreign = false;
  if (!EnsureClass(className, foreign)) return false;

  WindowStyles styles = CreationStyles(data_, styleBits, embedded_, owner && !embedded_);
  if (!embedded_ && data_.startPosition == start_position::kCentred) {
    x = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    y = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
  }
  // Off the taskbar: owned by the hidden owner.
  if (!embedded_ && !owner && RuntimeNotify(notify::kProgramMode, 0, 0) != 0 && !data_.showInTaskbar) {
    owner = HiddenOwner();
  }
  std::wstring title = WideFromGbk(data_.caption);
  HWND window = nullptr;
  if (foreign) {
    window = CreateWindowExW(styles.exStyle, className.c_str(), title.c_str(), styles.style, x, y, width, height,
                             owner, menu, GetModuleHandleW(nullptr), nullptr);
    if (window) SubclassWindow(window);
  } else {
    window = CreateFrameworkWindow(styles.exStyle, className.c_str(), title.c_str(), styles.style, x, y, width,
                                   height, owner, menu);
  }
  if (!window) return false;

  ApplyFrameStyles();
  RECT rect;
  GetWindowRect(window, &rect);
  if (rect.right - rect.left != width || rect.bottom - rect.top != height) {
    SetWindowPos(window, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  if (data_.shape != 0) ApplyShape(window, data_.shape);
  SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
  ApplyAlwaysOnTop();
  if (!data_.movable) ApplyMovable();
  return true;
}

void WindowUnit::ApplyFrameStyles() {
  HWND window = handle();
  WindowStyles frame = FrameStyles(data_, embedded_);
  auto style = static_cast<uint32_t>(GetWindowLongW(window, GWL_STYLE));
  auto exStyle = static_cast<uint32_t>(GetWindowLongW(window, GWL_EXSTYLE));
  style = (style & ~kFrameStyleMask) | frame.style;
  if (embedded_) style &= ~window_style::kThickFrame;
  exStyle = (exStyle & ~kFrameExStyleMask) | frame.exStyle;
  SetWindowLongW(window, GWL_STYLE, static_cast<LONG>(style));
  SetWindowLongW(window, GWL_EXSTYLE, static_cast<LONG>(exStyle));
  SetWindowPos(window, nullptr, 0, 0, 0, 0,
               SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void WindowUnit::ApplyAlwaysOnTop() {
  SetWindowPos(handle(), data_.alwaysOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void WindowUnit::ApplyMovable() {
  if (data_.movable) {
    GetSystemMenu(handle(), TRUE);  // back to the standard menu
  } else if (HMENU menu = GetSystemMenu(handle(), FALSE)) {
    DeleteMenu(menu, SC_MOVE, MF_BYCOMMAND);
  }
}

void WindowUnit::ApplyStartPosition() {
  HWND window = handle();
  if (!IsWindowVisible(window)) return;
  switch (data_.startPosition) {
    case start_position::kNormal: ShowWindow(window, SW_SHOWNORMAL); return;
    case start_position::kCentred:
      if (IsIconic(window) || IsZoomed(window)) ShowWindow(window, SW_RESTORE);
      if (!IsCentred(window)) MoveToCentre(window);
      return;
    case start_position::kMinimised: ShowWindow(window, SW_MINIMIZE); return;
    default: ShowWindow(window, SW_MAXIMIZE); return;
  }
}

int32_t WindowUnit::CurrentStartPosition() const {
  if (IsIconic(handle())) return start_position::kMinimised;
  if (IsZoomed(handle())) return start_position::kMaximised;
  return start_position::kNormal;
}

bool WindowUnit::OnClose() {
  EventAnswer request = RaiseUnitEvent(windowId(), 0, window_event::kCloseRequested);
  if (!embedded_ && request.refused()) return false;
  EventAnswer query = RaiseUnitEvent(windowId(), 0, window_event::kQueryClose);
  return embedded_ || !query.refused();
}

void WindowUnit::OnActivate(WPARAM wParam) {
  if (LOWORD(wParam) == WA_INACTIVE) {
    HWND focus = GetFocus();
    if (focus && IsChild(handle(), focus)) lastFocus_ = focus;
    RaiseUnitEvent(windowId(), 0, window_event::kDeactivated);
    return;
  }
  if (!firstActivated_) {
    firstActivated_ = true;
    RaiseUnitEvent(windowId(), 0, window_event::kFirstActivated);
  }
  RaiseUnitEvent(windowId(), 0, window_event::kActivated);
}

// The focus goes back to the child that had it last, else to the first unit in
// navigation order.
void WindowUnit::OnSetFocus() {
  RaiseUnitEvent(windowId(), 0, common_event::kGotFocus);
  if (GetFocus() != handle()) return;  // a handler moved it
  if (lastFocus_ && IsChild(handle(), lastFocus_) && IsWindowVisible(lastFocus_) && IsWindowEnabled(lastFocus_)) {
    SetFocus(lastFocus_);
    return;
  }
  WindowRecord* window = WindowRecordOf(windowId());
  if (UnitEntry* first = window ? NextInNavigation(*window, nullptr, true) : nullptr) SetFocus(ControlOf(*first));
}

bool WindowUnit::OnSetCursor(HWND target) {
  WindowRecord* window = WindowRecordOf(windowId());
  if (!window || window->units.size() == 0) return false;
  UnitEntry* entry = target == handle() ? &window->units.Item(0) : UnitHolding(*window, target);
  auto cursor = static_cast<HCURSOR>(entry ? entry->cursor() : nullptr);
  if (!cursor) return false;
  SetCursor(cursor);
  return true;
}

void WindowUnit::PaintBackground(HDC dc, const RECT& rect) {
  if (IsRectEmpty(&rect)) return;
  if (!background_.handle() || brushColour_ != data_.backColour) {
    background_.Make(data_.backColour);
    brushColour_ = data_.backColour;
  }
  if (background_.handle()) FillRect(dc, &rect, background_.handle());
}

LRESULT WindowUnit::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CLOSE:
      if (!OnClose()) return 0;
      break;
    case WM_QUERYENDSESSION:
      if (RaiseUnitEvent(windowId(), 0, window_event::kQueryClose).refused()) return FALSE;
      break;
    case WM_DESTROY:
      RaiseUnitEvent(windowId(), 0, window_event::kDestroyed);
      if (helpOpen_) WinHelpW(handle(), nullptr, HELP_QUIT, 0);
      helpOpen_ = false;
      break;
    case WM_NCDESTROY: {
      LRESULT result = UnitObject::WindowProc(message, wParam, lParam);
      RuntimeNotify(notify::kUnitDestroyed, windowId(), unitId());
      return result;
    }
    case WM_MOVE: {
      LRESULT result = UnitObject::WindowProc(message, wParam, lParam);
      RaiseUnitEvent(windowId(), 0, window_event::kMoved);
      return result;
    }
    case WM_SIZE: {
      LRESULT result = UnitObject::WindowProc(message, wParam, lParam);
      if (data_.shape != 0) ApplyShape(handle(), data_.shape);
      RaiseUnitEvent(windowId(), 0, window_event::kResized);
      return result;
    }
    case WM_ACTIVATE: {
      LRESULT result = UnitObject::WindowProc(message, wParam, lParam);
      OnActivate(wParam);
      return result;
    }
    case WM_SHOWWINDOW:
      if (lParam == 0) RaiseUnitEvent(windowId(), 0, wParam ? window_event::kShown : window_event::kHidden);
      break;
    case WM_SETFOCUS: {
      LRESULT result = UnitObject::WindowProc(message, wParam, lParam);
      OnSetFocus();
      return result;
    }
    case WM_KILLFOCUS: {
      LRESULT result = UnitObject::WindowProc(message, wParam, lParam);
      RaiseUnitEvent(windowId(), 0, common_event::kLostFocus);
      return result;
    }
    case WM_SYSCOMMAND:
      if ((wParam & 0xFFF0) == SC_MOVE && !data_.movable) return 0;
      break;
    case WM_ERASEBKGND:
      return 1;  // the paint fills the background
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(handle(), &paint);
      PaintBackground(dc, paint.rcPaint);
      EndPaint(handle(), &paint);
      return 0;
    }
    case kPaintBackgroundMessage:
      PaintBackground(reinterpret_cast<HDC>(wParam), *reinterpret_cast<const RECT*>(lParam));
      return kBackgroundPainted;
    case kTrayNotifyMessage: {
      int32_t kind = 0;
      if (lParam == WM_LBUTTONUP) kind = 1;
      if (lParam == WM_LBUTTONDBLCLK) kind = 2;
      if (lParam == WM_RBUTTONUP || lParam == WM_CONTEXTMENU) kind = 3;
      if (kind) RaiseUnitEvent(windowId(), 0, window_event::kTrayEvent, {kind});
      return 0;
    }
    case WM_SETCURSOR:
      if (LOWORD(lParam) == HTCLIENT && OnSetCursor(reinterpret_cast<HWND>(wParam))) return TRUE;
      break;
    default:
      break;
  }
  return UnitObject::WindowProc(message, wParam, lParam);
}

}  // namespace vx
