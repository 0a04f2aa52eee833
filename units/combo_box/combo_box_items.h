// The combo box's stored items as the program reads and writes them: Items is a
// byte block holding the texts as a text list in the archive form (compact count,
// then each text with its 32-bit length); ItemValues a byte block of 32-bit values,
// one per item in item order. Pure data handling: no platform headers.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

#include "units/unit_base/property_stream.h"

namespace vx {

Bytes EncodeItemTexts(const TextList& items);
// The texts of an Items block; an empty or unreadable block holds none.
TextList DecodeItemTexts(std::span<const uint8_t> block);

// The value stored for the item at `index`; nothing past the block's end.
std::optional<int32_t> StoredItemValue(std::span<const uint8_t> values, size_t index);

}  // namespace vx
