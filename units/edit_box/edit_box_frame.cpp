// A single-line edit box's layout: tall enough for its font, and its text line
// centred vertically. The system lays the control out with the line at the top;
// the strips above and below the line are made non-client area, painted with the
// background brush and counted as border.
#include <windows.h>

#include "runtime/framework/gbk.h"
#include "runtime/framework/gdi_owners.h"
#include "units/edit_box/edit_box_unit.h"

namespace vx {
namespace {

// The box's height fits one double-byte character of the font (GBK B9FA).
constexpr char kSampleCharacter[] = "国";

// The height of a text in a font.
int TextHeight(HWND window, HFONT font, const std::wstring& text) {
  WindowDc dc(window, WindowDc::Area::kClient);
  if (!dc.get()) return 0;
  SelectedObject selected(dc.get(), font);
  SIZE size = {};
  GetTextExtentPoint32W(dc.get(), text.c_str(), static_cast<int>(text.size()), &size);
  return size.cy;
}

}  // namespace

// Raised, never lowered.
void EditBoxUnit::FitHeight() {
  HWND edit = handle();
  int needed = TextHeight(edit, font_.handle(), WideFromGbk(kSampleCharacter)) + 2 * GetSystemMetrics(SM_CYEDGE);
  RECT rect;
  GetWindowRect(edit, &rect);
  if (rect.bottom - rect.top >= needed) return;
  SetWindowPos(edit, nullptr, 0, 0, rect.right - rect.left, needed, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void EditBoxUnit::RefreshFrame() {
  SetWindowPos(handle(), nullptr, 0, 0, 0, 0,
               SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

// The client area the system proposes, cut to a band one line of "W" high in its
// middle.
LRESULT EditBoxUnit::OnNcCalcSize(WPARAM wParam, LPARAM lParam) {
  LRESULT result = UnitWindow::WindowProc(WM_NCCALCSIZE, wParam, lParam);
  RECT& client = wParam ? reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam)->rgrc[0] : *reinterpret_cast<RECT*>(lParam);
  int lineHeight = TextHeight(handle(), font_.handle(), L"W");
  int proposed = client.bottom - client.top;
  if (lineHeight > 0 && lineHeight < proposed) {
    client.top += (proposed - lineHeight) / 2;
    client.bottom = client.top + lineHeight;
  }
  return result;
}

// Before the system paints the border over its edge.
void EditBoxUnit::PaintStrips() {
  HWND edit = handle();
  RECT window;
  GetWindowRect(edit, &window);
  POINT clientOrigin = {0, 0};
  ClientToScreen(edit, &clientOrigin);
  RECT client;
  GetClientRect(edit, &client);
  OffsetRect(&client, clientOrigin.x - window.left, clientOrigin.y - window.top);
  OffsetRect(&window, -window.left, -window.top);
  WindowDc dc(edit, WindowDc::Area::kWholeWindow);
  if (!dc.get()) return;
  ExcludeClipRect(dc.get(), client.left, client.top, client.right, client.bottom);
  FillRect(dc.get(), &window, brush_.handle());
}

LRESULT EditBoxUnit::OnNcHitTest(LPARAM lParam) {
  LRESULT hit = UnitWindow::WindowProc(WM_NCHITTEST, 0, lParam);
  if (hit != HTNOWHERE) return hit;
  RECT window;
  GetWindowRect(handle(), &window);
  POINT at = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
  return PtInRect(&window, at) ? HTBORDER : hit;
}

void EditBoxUnit::EraseClient(HDC dc) {
  RECT client;
  GetClientRect(handle(), &client);
  FillRect(dc, &client, brush_.handle());
}

}  // namespace vx
