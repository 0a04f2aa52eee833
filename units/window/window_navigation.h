// The order in which Tab moves the focus among a window's units, and finding the
// unit a child window belongs to.
#pragma once

#include <windows.h>

#include <vector>

#include "runtime/template/window_template.h"
#include "units/unit_type.h"

namespace vx {

// The loaded window's record in the runtime's WindowTable, or null.
WindowRecord* WindowRecordOf(uint32_t windowId);
const UnitTypeInfo* UnitTypeOf(const UnitEntry& entry);
// The unit's control when created, else null.
HWND ControlOf(const UnitEntry& entry);

// The unit (not the window's own entry) whose control is the window or holds it.
UnitEntry* UnitHolding(WindowRecord& window, HWND child);

// Created, visible and enabled units with the tab-stop bit, whose type may take
// the focus, ordered by tab index (template order among equals).
std::vector<UnitEntry*> NavigationCandidates(WindowRecord& window);

// The candidate after (or before) `from`, wrapping; from a unit that is not a
// candidate (a label, a group box) the search starts at its tab index. Null when
// there is no candidate.
UnitEntry* NextInNavigation(WindowRecord& window, const UnitEntry* from, bool forward);

}  // namespace vx
