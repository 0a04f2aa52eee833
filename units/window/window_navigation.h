// The order in which Tab moves the focus among a window's units, and finding the
// unit a child window belongs to.
#pragma once

#include <windows.h>

#include <vector>

#include "runtime/framework/window_units.h"

namespace vx {

// The unit (not the window's own entry) whose control is exactly the window.
const WindowUnitView* UnitWithControl(const WindowUnitList& units, HWND control);
// The unit (not the window's own entry) whose control is the window or holds it.
const WindowUnitView* UnitHolding(const WindowUnitList& units, HWND child);

// Created, visible and enabled units with the tab-stop bit, whose type may take
// the focus, ordered by tab index (template order among equals).
std::vector<const WindowUnitView*> NavigationCandidates(const WindowUnitList& units);

// The candidate after (or before) `from`, wrapping; from a unit that is not a
// candidate (a label, a group box) the search starts at its tab index. Null when
// there is no candidate.
const WindowUnitView* NextInNavigation(const WindowUnitList& units, const WindowUnitView* from, bool forward);

// The unit's control when created, else null.
inline HWND ControlOf(const WindowUnitView& unit) { return static_cast<HWND>(unit.control); }
inline bool HasTypeFlag(const WindowUnitView& unit, uint32_t flag) {
  return unit.type && (unit.type->stateFlags & flag);
}

}  // namespace vx
