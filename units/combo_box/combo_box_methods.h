// The combo box's methods: library commands whose first argument is the combo
// box's unit reference (window id and unit id in its value, the unit type as its
// type).
#pragma once

#include "contract/values.h"

namespace vx {

// (unit, text, [integer value]) -> the new item's index, or -1 when it could not
// be added. An omitted value gives the item 0.
void ComboBoxAddItem(MDATA* result, int count, MDATA* args);
// (unit, integer index) -> a new text: the item's, or the empty text for an index
// outside the list.
void ComboBoxGetItemText(MDATA* result, int count, MDATA* args);

}  // namespace vx
