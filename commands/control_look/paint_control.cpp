#include "commands/control_look/paint_control.h"

#include <algorithm>

#include "commands/control_look/control_look.h"
#include "runtime/framework/gdi_owners.h"

namespace vx::look {
namespace {

using Area = WindowDc::Area;

// Edit boxes are framed only when they have a frame of their own.
bool HasFrame(HWND window) {
  const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE), exStyle = GetWindowLongPtrW(window, GWL_EXSTYLE);
  return (style & WS_BORDER) || (exStyle & (WS_EX_CLIENTEDGE | WS_EX_STATICEDGE));
}

bool EditIsFramed(const LookedControl& control) { return HasFrame(control.window); }

// A drop-down list is framed when it has a frame and something to show.
bool ListIsFramed(const LookedControl& control) {
  return HasFrame(control.window) && SendMessageW(control.window, LB_GETCOUNT, 0, 0) > 0;
}

struct Painter {
  LookKind kind;
  Area area;
  bool (*paints)(const LookedControl&);  // null: always
  std::optional<PixelRect> (*paint)(const PaintJob&);
};

constexpr Painter kPainters[] = {
    {LookKind::kPushButton, Area::kClient, nullptr, PaintPushButton},
    {LookKind::kCheckBox, Area::kClient, nullptr, PaintCheckBox},
    {LookKind::kRadioButton, Area::kClient, nullptr, PaintRadioButton},
    {LookKind::kEdit, Area::kWholeWindow, EditIsFramed, PaintEditFrames},
    {LookKind::kComboBox, Area::kWholeWindow, nullptr, PaintComboBox},
    {LookKind::kUpDown, Area::kWholeWindow, nullptr, PaintUpDown},
    {LookKind::kGroupBox, Area::kClient, nullptr, PaintGroupBox},
    {LookKind::kDropDownList, Area::kWholeWindow, ListIsFramed, PaintEditFrames},
};

}  // namespace

void PaintControl(const LookedControl& control) {
  if (!IsWindowVisible(control.window)) return;
  const auto* painter = std::ranges::find(kPainters, control.kind, &Painter::kind);
  if (painter == std::end(kPainters) || (painter->paints && !painter->paints(control))) return;
  RECT rect;
  if (painter->area == Area::kClient ? !GetClientRect(control.window, &rect) : !GetWindowRect(control.window, &rect)) {
    return;
  }
  WindowDc dc(control.window, painter->area);
  if (!dc.get()) return;
  OffscreenBitmap picture(dc.get(), {0, 0, rect.right - rect.left, rect.bottom - rect.top});
  if (!picture.ok()) return;
  const std::optional<PixelRect> keep = painter->paint({control, PaletteOf(LookStyle()), picture});
  picture.Show(dc.get(), keep);
}

}  // namespace vx::look
