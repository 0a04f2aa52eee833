#include "units/unit_base/unit_logfont.h"

#include <cstring>

namespace vx {

// Every build of this program is little-endian, as the stored form is.
std::optional<StoredFont> UnitLogFont(std::span<const uint8_t> fontValue) {
  if (fontValue.size() != kStoredFontSize) return std::nullopt;
  StoredFont font;
  std::memcpy(&font, fontValue.data(), kStoredFontSize);
  font.charSet = kUnitFontCharSet;
  font.outPrecision = 0;
  font.clipPrecision = 0;
  font.quality = kUnitFontQuality;
  font.pitchAndFamily = 0;
  return font;
}

std::string_view FaceName(const StoredFont& font) {
  const void* end = std::memchr(font.faceName, 0, sizeof font.faceName);
  size_t length = end ? static_cast<const char*>(end) - font.faceName : sizeof font.faceName;
  return {font.faceName, length};
}

}  // namespace vx
