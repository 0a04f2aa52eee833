#include "units/label/label_unit.h"

#include <string>

#include "runtime/framework/gbk.h"
#include "units/label/label_painter.h"
#include "units/label/offscreen_canvas.h"
#include "units/unit_base/apply_border_style.h"
#include "units/unit_base/border_style.h"
#include "units/unit_base/unit_events.h"

namespace vx {
namespace {

constexpr wchar_t kLabelClassName[] = L"_VX_Label";

// Registered on first use: redrawn whole when resized, double clicks, the arrow,
// no background brush (the label paints every pixel itself).
bool EnsureLabelClass() {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSW existing;
  if (GetClassInfoW(instance, kLabelClassName, &existing)) return true;
  WNDCLASSW labelClass = {};
  labelClass.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
  labelClass.lpfnWndProc = WindowObject::FrameworkWindowProc;
  labelClass.hInstance = instance;
  labelClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  labelClass.hbrBackground = nullptr;
  labelClass.lpszClassName = kLabelClassName;
  return RegisterClassW(&labelClass) != 0;
}

// The shared border styles 0..5; the gradient frame (6) is painted, not a style.
int32_t SystemBorder(int32_t border) { return border == kGradientFrameBorder ? border_style::kNone : border; }

std::wstring WindowText(HWND window) {
  std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

}  // namespace

bool LabelUnit::Create(const UnitPlacement& placement) {
  if (!EnsureLabelClass()) return false;
  font_.Make(data_.font);
  HWND window = CreateFrameworkWindow(0, kLabelClassName, WideFromGbk(data_.caption).c_str(),
                                      placement.styleBits | WS_CHILD | WS_CLIPSIBLINGS, placement.x, placement.y,
                                      placement.width, placement.height, placement.parent,
                                      reinterpret_cast<HMENU>(static_cast<uintptr_t>(placement.controlId)));
  if (!window) return false;
  ApplyBorderStyle(window, SystemBorder(data_.border));
  return true;
}

int32_t LabelUnit::ApplyCaption(LabelUnit& unit, const RawPropertyValue&) {
  SetWindowTextW(unit.handle(), WideFromGbk(unit.data_.caption).c_str());
  return 0;
}

int32_t LabelUnit::ApplyBorder(LabelUnit& unit, const RawPropertyValue&) {
  ApplyBorderStyle(unit.handle(), SystemBorder(unit.data_.border));
  InvalidateRect(unit.handle(), nullptr, TRUE);
  return 0;
}

int32_t LabelUnit::ApplyFont(LabelUnit& unit, const RawPropertyValue&) {
  unit.font_.Make(unit.data_.font);
  InvalidateRect(unit.handle(), nullptr, TRUE);
  return 0;
}

void LabelUnit::Paint(HDC dc, const RECT& update) {
  RECT client;
  GetClientRect(handle(), &client);
  std::wstring caption = WindowText(handle());
  OffscreenCanvas canvas(dc, update);
  PaintLabel(canvas.dc(), client, update, {data_, font_.handle(), caption});
  canvas.Show();
}

// The handler may destroy the label; only the answer is used afterwards.
LRESULT LabelUnit::RaiseFeedback(WPARAM wParam, LPARAM lParam) {
  EventAnswer answer = RaiseUnitEvent(windowId(), unitId(), kLabelFeedbackEvent,
                                      {static_cast<int32_t>(wParam), static_cast<int32_t>(lParam)});
  return answer.hasResult ? answer.result : 0;
}

LRESULT LabelUnit::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case kLabelFeedbackMessage:
      return RaiseFeedback(wParam, lParam);
    case WM_ERASEBKGND:
      return 1;  // the paint covers every pixel
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(handle(), &paint);
      if (!IsRectEmpty(&paint.rcPaint)) Paint(dc, paint.rcPaint);
      EndPaint(handle(), &paint);
      return 0;
    }
    case WM_PRINTCLIENT: {
      RECT client;
      GetClientRect(handle(), &client);
      Paint(reinterpret_cast<HDC>(wParam), client);
      return 0;
    }
    case WM_SETTEXT: {
      // The caption is drawn from the window text, whoever sets it.
      LRESULT result = DataUnit::WindowProc(message, wParam, lParam);
      if (IsLive()) InvalidateRect(handle(), nullptr, TRUE);
      return result;
    }
    default:
      return DataUnit::WindowProc(message, wParam, lParam);
  }
}

}  // namespace vx
