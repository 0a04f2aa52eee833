// Cursors made from units' mouse pointer data.
#pragma once

#include <windows.h>

#include <cstdint>
#include <span>

namespace vx {

// The cursor the data selects, or null for none or the default: a standard pointer
// number (0 to 14, or a system cursor id itself), -1 followed by a cursor file, or a
// whole cursor file of more than 10 bytes.
HCURSOR MakeUnitCursor(std::span<const uint8_t> data);
// Destroys a cursor made from file bytes; shared system cursors are left alone.
void DestroyUnitCursor(HCURSOR cursor);

}  // namespace vx
