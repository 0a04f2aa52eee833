#include "units/label/label_unit.h"

#include <string>

#include "runtime/framework/gbk.h"
#include "runtime/framework/offscreen_bitmap.h"
#include "runtime/framework/window_class.h"
#include "runtime/framework/window_text.h"
#include "units/label/label_painter.h"
#include "units/unit_base/apply_border_style.h"
#include "units/unit_base/border_style.h"

namespace vx {
namespace {

constexpr wchar_t kLabelClassName[] = L"_VX_Label";

// Redrawn whole when resized, double clicks, the arrow, no background brush (the
// label paints every pixel itself).
constexpr WindowClassInfo kLabelClass = {kLabelClassName, WindowObject::FrameworkWindowProc,
                                         CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS};

// The shared border styles 0..5; the gradient frame (6) is painted, not a style.
int32_t SystemBorder(int32_t border) { return border == kGradientFrameBorder ? border_style::kNone : border; }

}  // namespace

bool LabelUnit::Create(const UnitPlacement& placement) {
  if (!EnsureWindowClass(kLabelClass)) return false;
  return CreateFrameworkWindow(0, kLabelClassName, WideFromGbk(data_.caption).c_str(),
                               placement.styleBits | WS_CHILD | WS_CLIPSIBLINGS, placement.x, placement.y,
                               placement.width, placement.height, placement.parent,
                               reinterpret_cast<HMENU>(static_cast<uintptr_t>(placement.controlId))) != nullptr;
}

int32_t LabelUnit::ApplyBorder(LabelUnit& unit, const RawPropertyValue& value) {
  ApplyBorderStyle(unit.handle(), SystemBorder(value.integer));
  InvalidateRect(unit.handle(), nullptr, TRUE);
  return 0;
}

void LabelUnit::Paint(HDC dc, const RECT& update) {
  RECT client;
  GetClientRect(handle(), &client);
  std::wstring caption = WindowTextOf(handle());
  OffscreenBitmap canvas(dc, {update.left, update.top, update.right, update.bottom});
  PaintLabel(canvas.ok() ? canvas.dc() : dc, client, update, {data_, font_.handle(), caption});
  canvas.Show(dc);
}

// The handler may destroy the label; only the answer is used afterwards.
LRESULT LabelUnit::RaiseFeedback(WPARAM wParam, LPARAM lParam) {
  EventAnswer answer = RaiseEvent(kLabelFeedbackEvent, {static_cast<int32_t>(wParam), static_cast<int32_t>(lParam)});
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
    case WM_SETFONT:
      if (lParam) InvalidateRect(handle(), nullptr, TRUE);
      return 0;  // the font is the unit's own, the one it paints with
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
