// Small pictures of every kind, built byte by byte (PNG and JPEG through their
// libraries), for the readers' edge tests and the fuzzers' seeds. Pixel (x, y)
// holds index, grey or channel value PatternValue(x, y).
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace vx::test {

constexpr uint8_t PatternValue(uint32_t x, uint32_t y) { return static_cast<uint8_t>(x * 7 + y * 13); }

// Uncompressed, of 1, 4, 8, 24 or 32 bits, with a full colour table (entry i grey
// i, rounded to the depth) where there is one.
std::vector<uint8_t> SampleBmp(uint16_t bits, int32_t width, int32_t height);

// Of 256 colours in the global table (entry i grey i); with a graphic control
// extension naming the transparent colour when it is 0 or above.
std::vector<uint8_t> SampleGif(uint16_t width, uint16_t height, int transparentIndex = -1);
// LZW codes of the pixel indices for a minimum code size of 8, in sub-blocks with
// their terminator: a GIF image's data after its code size byte.
std::vector<uint8_t> GifImageData(std::span<const uint8_t> indices);
// The codes given, all 9 bits wide, in sub-blocks with their terminator.
std::vector<uint8_t> GifCodes(std::span<const uint32_t> codes);

// Of 8 bits (version 5, 256-colour palette, entry i grey i) or 1 bit (version 3).
std::vector<uint8_t> SamplePcx(uint8_t bits, uint16_t width, uint16_t height);
// The 128-byte header of such a file for a window of width x height and the line
// length given, followed by `data`.
std::vector<uint8_t> PcxWithData(uint8_t bits, uint16_t width, uint16_t height, uint16_t bytesPerLine,
                                 std::span<const uint8_t> data);

struct IconEntry {
  uint8_t width;    // and height; 0 for 256
  uint8_t colours;  // the directory's colour count
  uint16_t bits;
};
// Type 1 (icon) or 2 (cursor), images in the order given.
std::vector<uint8_t> SampleIcon(std::span<const IconEntry> entries, uint16_t type = 1);

// In a libpng simplified format (PNG_FORMAT_...).
std::vector<uint8_t> SamplePng(uint32_t width, uint32_t height, uint32_t format);
std::vector<uint8_t> SampleJpeg(uint32_t width, uint32_t height, bool progressive, bool grey);

}  // namespace vx::test
