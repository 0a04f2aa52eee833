#include "commands/control_look/parent_colours.h"

#include "runtime/framework/gdi_owners.h"

namespace vx::look {

ParentColours AskParentColours(HWND control) {
  ParentColours colours = {nullptr, GetSysColor(COLOR_BTNFACE), GetSysColor(COLOR_BTNTEXT)};
  HWND parent = GetParent(control);
  WindowDc dc(control, WindowDc::Area::kClient);
  if (!parent || !dc.get()) return colours;
  colours.background = reinterpret_cast<HBRUSH>(
      SendMessageW(parent, WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(dc.get()), reinterpret_cast<LPARAM>(control)));
  colours.textColour = GetTextColor(dc.get());
  LOGBRUSH described = {};
  if (colours.background && GetObjectW(colours.background, sizeof described, &described) == sizeof described &&
      described.lbStyle == BS_SOLID) {
    colours.backgroundColour = described.lbColor;
  }
  return colours;
}

}  // namespace vx::look
