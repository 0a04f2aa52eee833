// The font a unit makes from its Font property, owned by the unit.
#pragma once

#include <windows.h>

#include <cstdint>
#include <span>

namespace vx {

class UnitFont {
 public:
  UnitFont() = default;
  UnitFont(const UnitFont&) = delete;
  UnitFont& operator=(const UnitFont&) = delete;
  ~UnitFont();

  // Deletes the previous font, then makes one from the value (see UnitLogFont);
  // returns the font for the control: the new one or the stock DEFAULT_GUI_FONT
  // when the value is empty, not 60 bytes, or no font can be made from it.
  HFONT Make(std::span<const uint8_t> fontValue);
  // Make, then hands the font to the control and redraws it.
  void Apply(HWND control, std::span<const uint8_t> fontValue);

  // The control's font: the one made last, or DEFAULT_GUI_FONT.
  HFONT handle() const;

 private:
  HFONT owned_ = nullptr;
};

}  // namespace vx
