// Background colours as units paint them: the stored value 0xFF000000 stands for
// the system's button-face colour, any other value is an RGB colour.
#pragma once

#include <windows.h>

#include <cstdint>

namespace vx {

constexpr uint32_t kButtonFaceColour = 0xFF000000;

COLORREF PaintColour(uint32_t colour);

// A unit's background brush, owned by the unit.
class UnitBrush {
 public:
  UnitBrush() = default;
  UnitBrush(const UnitBrush&) = delete;
  UnitBrush& operator=(const UnitBrush&) = delete;
  ~UnitBrush();

  // Deletes the previous brush and makes a solid one of the colour (colour rule
  // applied); null only when the system cannot make one.
  HBRUSH Make(uint32_t colour);
  HBRUSH handle() const { return brush_; }

 private:
  HBRUSH brush_ = nullptr;
};

}  // namespace vx
