// The pixel block of GIF and 8-bit PCX pictures: a device-independent bitmap in
// memory. A 40-byte BITMAPINFOHEADER (8 bits a pixel, negative height: rows
// top-down), 256 colour entries of blue, green, red and a reserved byte, then the
// rows, each padded to a multiple of 4 bytes.
#pragma once

#include <cstdint>

#include "pictures/pixel_block.h"

namespace vx {

constexpr uint32_t kInfoHeaderBytes = 40;
constexpr uint32_t kIndexedColours = 256;
constexpr uint32_t kIndexedHeaderBytes = kInfoHeaderBytes + kIndexedColours * 4;

// A colour entry whose reserved byte holds this is the transparent colour of a
// GIF image: rendering shows the background there, and clears the byte.
constexpr uint8_t kTransparentEntry = 0xFF;

constexpr uint64_t IndexedStride(uint64_t width) { return (width + 3) & ~uint64_t{3}; }

// A block with the header written and every colour black; its rows, padding
// included, are the caller's to fill. Empty when it would be too large.
PixelBlock MakeIndexedBitmap(uint32_t width, uint32_t height);

inline uint8_t* IndexedColour(PixelBlock& block, uint32_t index) { return block.data() + kInfoHeaderBytes + index * 4; }
inline uint8_t* IndexedRows(PixelBlock& block) { return block.data() + kIndexedHeaderBytes; }

}  // namespace vx
