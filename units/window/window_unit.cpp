#include "units/window/window_unit.h"

#include <algorithm>
#include <vector>

#include "runtime/framework/gbk.h"
#include "runtime/framework/runtime_link.h"
#include "runtime/framework/window_class.h"
#include "units/window/window_navigation.h"
#include "units/window/window_region.h"
#include "units/window/window_styles.h"

namespace vx {
namespace {

constexpr wchar_t kDefaultClassName[] = L"QRWindow";

// The live window units of the process, for AlwaysOnTop: switching it off on one
// window puts the others that asked for it back on top.
std::vector<WindowUnit*>& LiveWindowUnits() {
  static std::vector<WindowUnit*> units;
  return units;
}

// Where a window of that outer size sits centred on the screen.
POINT CentredOnScreen(int width, int height) {
  return {(GetSystemMetrics(SM_CXSCREEN) - width) / 2, (GetSystemMetrics(SM_CYSCREEN) - height) / 2};
}

void MoveToCentreUnlessThere(HWND window) {
  RECT rect;
  GetWindowRect(window, &rect);
  POINT centred = CentredOnScreen(rect.right - rect.left, rect.bottom - rect.top);
  if (rect.left == centred.x && rect.top == centred.y) return;
  SetWindowPos(window, nullptr, centred.x, centred.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

WindowUnit::WindowUnit(uint32_t windowId, uint32_t unitId) : DataUnit(windowId, unitId) {
  LiveWindowUnits().push_back(this);
}

WindowUnit::~WindowUnit() { std::erase(LiveWindowUnits(), this); }

bool WindowUnit::Create(const UnitPlacement& placement) {
  HWND owner = placement.parent;
  HMENU menu = placement.menu;
  embedded_ = placement.embedded && owner;
  std::wstring className = data_.windowClassName.empty() ? kDefaultClassName : WideFromGbk(data_.windowClassName);
  // Redrawn whole when resized, double clicks, no background brush (the window
  // paints its background itself). A class of that name registered by someone
  // else keeps its procedure, and its windows are subclassed.
  std::optional<WNDPROC> procedure =
      EnsureWindowClass({className.c_str(), WindowObject::FrameworkWindowProc, CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS});
  if (!procedure) return false;
  bool foreign = *procedure != WindowObject::FrameworkWindowProc;

  WindowStyles styles = CreationStyles(data_, placement.styleBits, embedded_, owner && !embedded_);
  POINT at = {placement.x, placement.y};
  if (!embedded_ && data_.startPosition == start_position::kCentred) {
    at = CentredOnScreen(placement.width, placement.height);
  }
  // Off the taskbar: owned by the runtime's hidden owner.
  if (!embedded_ && !owner && CoreLibraryLink().ProgramMode() != 0 && !data_.showInTaskbar) {
    owner = static_cast<HWND>(CoreLibraryLink().HiddenOwner());
  }
  std::wstring title = WideFromGbk(data_.caption);
  HWND window = nullptr;
  if (foreign) {
    window = CreateWindowExW(styles.exStyle, className.c_str(), title.c_str(), styles.style, at.x, at.y,
                             placement.width, placement.height, owner, menu, GetModuleHandleW(nullptr), nullptr);
    if (window) SubclassWindow(window);
  } else {
    window = CreateFrameworkWindow(styles.exStyle, className.c_str(), title.c_str(), styles.style, at.x, at.y,
                                   placement.width, placement.height, owner, menu);
  }
  if (!window) return false;

  ApplyFrameStyles();
  RECT rect;
  GetWindowRect(window, &rect);
  if (rect.right - rect.left != placement.width || rect.bottom - rect.top != placement.height) {
    SetWindowPos(window, nullptr, 0, 0, placement.width, placement.height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
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
  SetWindowPos(window, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void WindowUnit::ApplyTopmost() {
  SetWindowPos(handle(), data_.alwaysOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

EventAnswer WindowUnit::RaiseWindowEvent(int32_t event, std::initializer_list<int32_t> arguments) {
  return CoreLibraryLink().RaiseEvent(windowId(), 0, event, arguments);
}

int32_t WindowUnit::ApplyMovable(WindowUnit& unit, const RawPropertyValue& value) {
  if (value.integer) {
    GetSystemMenu(unit.handle(), TRUE);  // back to the standard menu
  } else if (HMENU menu = GetSystemMenu(unit.handle(), FALSE)) {
    DeleteMenu(menu, SC_MOVE, MF_BYCOMMAND);
  }
  return 0;
}

int32_t WindowUnit::ApplyFrame(WindowUnit& unit, const RawPropertyValue&) {
  unit.ApplyFrameStyles();
  return 0;
}

int32_t WindowUnit::ApplyPictureMode(WindowUnit& unit, const RawPropertyValue&) {
  if (!unit.data_.backPicture.empty()) InvalidateRect(unit.handle(), nullptr, TRUE);
  return 0;
}

int32_t WindowUnit::ApplyStartPosition(WindowUnit& unit, const RawPropertyValue& value) {
  HWND window = unit.handle();
  if (!IsWindowVisible(window)) return 0;
  switch (value.integer) {
    case start_position::kNormal:
      ShowWindow(window, SW_SHOWNORMAL);
      break;
    case start_position::kCentred:
      if (IsIconic(window) || IsZoomed(window)) ShowWindow(window, SW_RESTORE);
      MoveToCentreUnlessThere(window);
      break;
    case start_position::kMinimised:
      ShowWindow(window, SW_MINIMIZE);
      break;
    default:
      ShowWindow(window, SW_MAXIMIZE);
      break;
  }
  return 0;
}

bool WindowUnit::ReadStartPosition(WindowUnit& unit, RawPropertyValue& value) {
  HWND window = unit.handle();
  value.integer = IsIconic(window)   ? start_position::kMinimised
                  : IsZoomed(window) ? start_position::kMaximised
                                     : start_position::kNormal;
  return true;
}

int32_t WindowUnit::ApplyShape(WindowUnit& unit, const RawPropertyValue& value) {
  vx::ApplyShape(unit.handle(), value.integer);
  return 0;
}

// Switching it off must not push down the other off-taskbar windows that asked
// to stay on top.
int32_t WindowUnit::ApplyAlwaysOnTop(WindowUnit& unit, const RawPropertyValue& value) {
  unit.ApplyTopmost();
  if (value.integer) return 0;
  for (WindowUnit* other : LiveWindowUnits()) {
    if (other == &unit || !other->IsLive()) continue;
    if (other->data_.alwaysOnTop && !other->data_.showInTaskbar) other->ApplyTopmost();
  }
  return 0;
}

int32_t WindowUnit::PlayMusic(WindowUnit& unit, const RawPropertyValue&) {
  const Bytes& music = unit.data_.backgroundMusic;
  if (unit.designFlag() == 0) {
    unit.music_.Start(music.data(), music.size(), unit.data_.musicPlayMode);  // stops what played first
  } else {
    unit.music_.Stop();
  }
  return 0;
}

WindowUnitList WindowUnit::Units() const { return CoreLibraryLink().WindowUnits(windowId()); }

// Every event below may run a handler that destroys this window: the object
// lives on until this call returns, so each step checks IsLive() first.
bool WindowUnit::OnClose() {
  EventAnswer request = RaiseWindowEvent(window_event::kCloseRequested);
  if (!IsLive() || (!embedded_ && request.refused())) return false;
  EventAnswer query = RaiseWindowEvent(window_event::kQueryClose);
  return IsLive() && (embedded_ || !query.refused());
}

void WindowUnit::OnActivate(WPARAM wParam) {
  if (LOWORD(wParam) == WA_INACTIVE) {
    HWND focus = GetFocus();
    if (focus && IsChild(handle(), focus)) lastFocus_ = focus;
    RaiseWindowEvent(window_event::kDeactivated);
    return;
  }
  if (!firstActivated_) {
    firstActivated_ = true;
    RaiseWindowEvent(window_event::kFirstActivated);
    if (!IsLive()) return;
  }
  RaiseWindowEvent(window_event::kActivated);
}

// The focus goes back to the child that had it last, else to the first unit in
// navigation order.
void WindowUnit::OnSetFocus() {
  RaiseWindowEvent(common_event::kGotFocus);
  if (!IsLive() || GetFocus() != handle()) return;  // a handler closed the window or moved the focus
  if (lastFocus_ && IsChild(handle(), lastFocus_) && IsWindowVisible(lastFocus_) && IsWindowEnabled(lastFocus_)) {
    SetFocus(lastFocus_);
    return;
  }
  MoveFocus(true);
}

bool WindowUnit::OnSetCursor(HWND target) {
  WindowUnitList units = Units();
  if (units.empty()) return false;
  const WindowUnitView* over = target == handle() ? &units.front() : UnitHolding(units, target);
  auto cursor = static_cast<HCURSOR>(over ? over->cursor : nullptr);
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
      if (RaiseWindowEvent(window_event::kQueryClose).refused()) return FALSE;
      if (!IsLive()) return TRUE;
      break;
    case WM_DESTROY:
      RaiseWindowEvent(window_event::kDestroyed);
      if (helpOpen_) WinHelpW(handle(), nullptr, HELP_QUIT, 0);
      helpOpen_ = false;
      break;
    case WM_MOVE: {
      LRESULT result = DataUnit::WindowProc(message, wParam, lParam);
      RaiseWindowEvent(window_event::kMoved);
      return result;
    }
    case WM_SIZE: {
      LRESULT result = DataUnit::WindowProc(message, wParam, lParam);
      if (data_.shape != 0) vx::ApplyShape(handle(), data_.shape);
      RaiseWindowEvent(window_event::kResized);
      return result;
    }
    case WM_ACTIVATE: {
      LRESULT result = DataUnit::WindowProc(message, wParam, lParam);
      OnActivate(wParam);
      return result;
    }
    case WM_SHOWWINDOW:
      if (lParam == 0) RaiseWindowEvent(wParam ? window_event::kShown : window_event::kHidden);
      if (!IsLive()) return 0;
      break;
    case WM_SETFOCUS: {
      LRESULT result = DataUnit::WindowProc(message, wParam, lParam);
      OnSetFocus();
      return result;
    }
    case WM_KILLFOCUS: {
      LRESULT result = DataUnit::WindowProc(message, wParam, lParam);
      RaiseWindowEvent(common_event::kLostFocus);
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
      if (kind) RaiseWindowEvent(window_event::kTrayEvent, {kind});
      return 0;
    }
    case WM_SETCURSOR:
      if (LOWORD(lParam) == HTCLIENT && OnSetCursor(reinterpret_cast<HWND>(wParam))) return TRUE;
      break;
    default:
      break;
  }
  return DataUnit::WindowProc(message, wParam, lParam);
}

}  // namespace vx
