// The count of GDI objects the process holds, for leak checks.
#pragma once

#include <windows.h>

namespace vx::test {

// Windows answers GetGuiResources. Wine answers 0 there, so under Wine the used
// entries of its shared GDI handle table are counted instead. 0 when neither
// works: a caller checks for that before comparing counts.
DWORD GdiObjectCount();

}  // namespace vx::test
