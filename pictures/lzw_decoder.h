// The variable-length LZW codes of GIF image data, with a dictionary of 4096
// entries.
#pragma once

#include <cstdint>
#include <span>

namespace vx {

// The largest number of pixels one code can stand for.
constexpr uint32_t kLzwDictionarySize = 4096;

// Decodes the codes in `codes` (an image's data sub-blocks, joined) for a minimum
// code size of 1 to 8 into exactly out.size() pixel indices. False when the codes
// end before the pixels do, or a code is not yet in the dictionary.
bool DecodeLzw(std::span<const uint8_t> codes, uint32_t minimumCodeSize, std::span<uint8_t> out);

}  // namespace vx
