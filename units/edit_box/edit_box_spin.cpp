#include "units/edit_box/edit_box_spin.h"

#include <commctrl.h>

#include <algorithm>

#include "units/edit_box/edit_box_unit.h"
#include "units/unit_base/border_style.h"

namespace vx {
namespace {

bool RegisterSpinClass() {
  static const bool registered = [] {
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_UPDOWN_CLASS};
    return InitCommonControlsEx(&controls) != FALSE;
  }();
  return registered;
}

}  // namespace

bool SpinHasStaticEdge(int32_t borderStyle) {
  return borderStyle == border_style::kNone || borderStyle == border_style::kSunken ||
         borderStyle == border_style::kThinSunken;
}

SpinCompanion* SpinCompanion::Create(HWND edit, bool staticEdge, int32_t firstEnd, int32_t secondEnd) {
  RegisterSpinClass();
  LONG editStyle = GetWindowLongW(edit, GWL_STYLE);
  DWORD style = WS_CHILD | WS_CLIPSIBLINGS | (editStyle & (WS_VISIBLE | WS_DISABLED));
  HWND spin = CreateWindowExW(staticEdge ? WS_EX_STATICEDGE : 0, UPDOWN_CLASSW, L"", style, 0, 0, kWidth, 0,
                              GetParent(edit), nullptr, GetModuleHandleW(nullptr), nullptr);
  if (!spin) return nullptr;
  auto* companion = new SpinCompanion(edit);
  if (!companion->SubclassWindow(spin)) {
    delete companion;
    DestroyWindow(spin);
    return nullptr;
  }
  companion->DeleteWithWindow();
  companion->SetRange(firstEnd, secondEnd);
  companion->Follow();
  return companion;
}

SpinCompanion* SpinCompanion::Of(HWND spin) {
  return spin ? dynamic_cast<SpinCompanion*>(FromHandlePermanent(spin)) : nullptr;
}

// The 32-bit range: UDM_SETRANGE would cut the ends to 16 bits.
void SpinCompanion::SetRange(int32_t firstEnd, int32_t secondEnd) {
  SendMessageW(handle(), UDM_SETRANGE32, static_cast<WPARAM>(std::min(firstEnd, secondEnd)),
               static_cast<LPARAM>(std::max(firstEnd, secondEnd)));
}

void SpinCompanion::SetStaticEdge(bool staticEdge) {
  LONG exStyle = GetWindowLongW(handle(), GWL_EXSTYLE);
  exStyle = staticEdge ? exStyle | WS_EX_STATICEDGE : exStyle & ~WS_EX_STATICEDGE;
  SetWindowLongW(handle(), GWL_EXSTYLE, exStyle);
  SetWindowPos(handle(), nullptr, 0, 0, 0, 0,
               SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void SpinCompanion::Follow() {
  HWND spin = handle();
  if (HWND parent = GetParent(edit_); GetParent(spin) != parent) SetParent(spin, parent);  // into a container
  RECT rect;
  GetWindowRect(edit_, &rect);
  MapWindowPoints(HWND_DESKTOP, GetParent(spin), reinterpret_cast<POINT*>(&rect), 2);
  LONG editStyle = GetWindowLongW(edit_, GWL_STYLE);
  bool shown = (editStyle & WS_VISIBLE) != 0;
  bool spinShown = (GetWindowLongW(spin, GWL_STYLE) & WS_VISIBLE) != 0;
  UINT show = shown == spinShown ? 0 : shown ? SWP_SHOWWINDOW : SWP_HIDEWINDOW;
  SetWindowPos(spin, edit_, rect.right, rect.top, kWidth, rect.bottom - rect.top, SWP_NOACTIVATE | show);
  bool enabled = (editStyle & WS_DISABLED) == 0;
  if (enabled != (IsWindowEnabled(spin) != FALSE)) EnableWindow(spin, enabled);
}

void SpinCompanion::Show(bool shown) { ShowWindow(handle(), shown ? SW_SHOWNA : SW_HIDE); }

bool SpinCompanion::OnReflectedMessage(UINT message, WPARAM, LPARAM lParam, LRESULT* result) {
  if (message != WM_NOTIFY || reinterpret_cast<const NMHDR*>(lParam)->code != UDN_DELTAPOS) return false;
  int delta = reinterpret_cast<const NMUPDOWN*>(lParam)->iDelta;
  *result = 0;
  auto* edit = dynamic_cast<EditBoxUnit*>(FromHandlePermanent(edit_));
  if (!edit || delta == 0) return true;
  Hold held(edit);  // the arrow may run a handler that destroys the box
  edit->OnSpinArrow(delta > 0);
  return true;
}

}  // namespace vx
