#include "runtime/menu_bar.h"

#include "runtime/framework/gbk.h"
#include "runtime/framework/unit_object.h"
#include "runtime/live_unit.h"
#include "runtime/unit_lookup.h"

namespace vx {
namespace {

// Menu commands are numbered by the item's place in the unit list.
constexpr UINT kFirstMenuCommand = 0xE000;

}  // namespace

HMENU BuildMenuBar(const UnitTable& units) {
  HMENU bar = nullptr;
  for (size_t i = 0; i < units.size(); ++i) {
    const StoredMenuItem* item = units.Item(i).menuItem();
    if (!item || (item->menuFlags & kMenuHidden)) continue;
    if (!bar) bar = CreateMenu();
    UINT flags = MF_STRING | ((item->menuFlags & kMenuChecked) ? MF_CHECKED : 0) |
                 ((item->menuFlags & kMenuDisabled) ? MF_GRAYED : 0);
    AppendMenuW(bar, flags, kFirstMenuCommand + i, WideFromGbk(item->caption).c_str());
  }
  return bar;
}

void RebuildMenuBar(const WindowRecord& window) {
  if (window.units.size() == 0) return;
  HWND handle = LiveControl(window.units.Item(0));
  if (!handle) return;
  HMENU old = GetMenu(handle);
  SetMenu(handle, BuildMenuBar(window.units));
  if (old) DestroyMenu(old);
  DrawMenuBar(handle);
}

}  // namespace vx
