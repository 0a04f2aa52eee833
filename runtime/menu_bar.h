// A window's menu bar, made from the menu-item entries of its unit list.
#pragma once

#include <windows.h>

#include "runtime/template/window_template.h"

namespace vx {

// The menu bar of the visible menu items in template order, each with its caption,
// check mark and disabled state; null when the window has none. The template does
// not say how items nest, so they stand side by side on the bar.
HMENU BuildMenuBar(const UnitTable& units);

// Replaces a loaded window's menu bar after a menu item changed; the old menu is
// destroyed. Nothing for a window that is not loaded.
void RebuildMenuBar(const WindowRecord& window);

}  // namespace vx
