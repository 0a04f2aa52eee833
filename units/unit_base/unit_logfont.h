// How a unit makes its font from the Font property's 60-byte value.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "contract/stored_font.h"

namespace vx {

// What a unit forces on every font it makes.
constexpr uint8_t kUnitFontCharSet = 1;  // DEFAULT_CHARSET
constexpr uint8_t kUnitFontQuality = 2;  // PROOF_QUALITY

// The LOGFONT a unit makes its font from: the stored one with character set 1,
// output and clip precision 0, quality 2 and pitch-and-family 0. Nothing when the
// value is not exactly 60 bytes (the control then gets DEFAULT_GUI_FONT).
std::optional<StoredFont> UnitLogFont(std::span<const uint8_t> fontValue);

// The face name up to its first zero byte, never beyond its 32 bytes.
std::string_view FaceName(const StoredFont& font);

}  // namespace vx
