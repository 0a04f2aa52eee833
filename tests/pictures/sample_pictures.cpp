#include "tests/pictures/sample_pictures.h"

// libjpeg's header wants the C library's FILE declared first.
#include <cstdio>

#include <jpeglib.h>
#include <png.h>

#include <algorithm>
#include <cstdlib>

#include "runtime/framework/archive_writer.h"

namespace vx::test {
namespace {

ArchiveWriter& Byte(ArchiveWriter& out, uint8_t value) { return out.Bytes({&value, 1}); }

// Channel c of pixel (x, y) holds PatternValue(x + c, y).
std::vector<uint8_t> PatternRow(uint32_t width, uint32_t y, uint32_t channels) {
  std::vector<uint8_t> row;
  for (uint32_t x = 0; x < width; ++x) {
    for (uint32_t c = 0; c < channels; ++c) row.push_back(PatternValue(x + c, y));
  }
  return row;
}

std::vector<uint8_t> Pattern(uint32_t width, uint32_t height, uint32_t channels) {
  std::vector<uint8_t> pixels;
  for (uint32_t y = 0; y < height; ++y) {
    const std::vector<uint8_t> row = PatternRow(width, y, channels);
    pixels.insert(pixels.end(), row.begin(), row.end());
  }
  return pixels;
}

// Whole bytes of pixels, most significant bits first, one row.
std::vector<uint8_t> PackedRow(uint32_t width, uint32_t y, uint32_t bits) {
  std::vector<uint8_t> row((width * bits + 7) / 8);
  for (uint32_t x = 0; x < width; ++x) {
    const uint32_t value = PatternValue(x, y) & ((1u << bits) - 1), bit = x * bits;
    row[bit / 8] |= static_cast<uint8_t>(value << (8 - bits - bit % 8));
  }
  return row;
}

}  // namespace

std::vector<uint8_t> SampleBmp(uint16_t bits, int32_t width, int32_t height) {
  const uint32_t colours = bits <= 8 ? 1u << bits : 0, rows = height < 0 ? -height : height;
  const uint32_t stride = (width * bits + 31) / 32 * 4, offset = 54 + colours * 4;
  ArchiveWriter out;
  out.Bytes(std::vector<uint8_t>{'B', 'M'}).U32(offset + stride * rows).U32(0).U32(offset);
  out.U32(40).I32(width).I32(height).U16(1).U16(bits).U32(0).U32(stride * rows).U32(0).U32(0);
  out.U32(colours).U32(0);
  for (uint32_t i = 0; i < colours; ++i) {
    const uint8_t grey = static_cast<uint8_t>(i * 255 / (colours - 1));
    out.Bytes(std::vector<uint8_t>{grey, grey, grey, 0});
  }
  for (uint32_t y = 0; y < rows; ++y) {
    std::vector<uint8_t> row = bits <= 8 ? PackedRow(width, y, bits) : PatternRow(width, y, bits / 8);
    row.resize(stride);
    out.Bytes(row);
  }
  return out.Take();
}

std::vector<uint8_t> GifImageData(std::span<const uint8_t> indices) {
  // Literal codes only, with a clear code before the dictionary would reach 512
  // entries, so every code is 9 bits.
  constexpr uint32_t kClear = 256, kEnd = 257, kLiteralsPerClear = 254;
  std::vector<uint32_t> codes;
  for (size_t i = 0; i < indices.size(); ++i) {
    if (i % kLiteralsPerClear == 0) codes.push_back(kClear);
    codes.push_back(indices[i]);
  }
  codes.push_back(kEnd);
  return GifCodes(codes);
}

std::vector<uint8_t> GifCodes(std::span<const uint32_t> codes) {
  std::vector<uint8_t> packed((codes.size() * 9 + 7) / 8);
  for (size_t i = 0; i < codes.size(); ++i) {
    for (uint32_t bit = 0; bit < 9; ++bit) {
      if (codes[i] >> bit & 1) packed[(i * 9 + bit) / 8] |= static_cast<uint8_t>(1 << (i * 9 + bit) % 8);
    }
  }
  ArchiveWriter out;
  for (size_t at = 0; at < packed.size(); at += 255) {
    const size_t size = std::min<size_t>(255, packed.size() - at);
    Byte(out, static_cast<uint8_t>(size)).Bytes(std::span(packed).subspan(at, size));
  }
  Byte(out, 0);
  return out.Take();
}

std::vector<uint8_t> SampleGif(uint16_t width, uint16_t height, int transparentIndex) {
  ArchiveWriter out;
  out.Bytes(std::vector<uint8_t>{'G', 'I', 'F', '8', '9', 'a'}).U16(width).U16(height);
  Byte(Byte(Byte(out, 0xF7), 0), 0);  // a global table of 256 colours
  for (int i = 0; i < 256; ++i) out.Bytes(std::vector<uint8_t>(3, static_cast<uint8_t>(i)));
  if (transparentIndex >= 0) {
    out.Bytes(std::vector<uint8_t>{0x21, 0xF9, 4, 1, 0, 0, static_cast<uint8_t>(transparentIndex), 0});
  }
  Byte(Byte(out, 0x2C).U16(0).U16(0).U16(width).U16(height), 0);
  std::vector<uint8_t> indices;
  for (uint32_t y = 0; y < height; ++y) {
    for (uint32_t x = 0; x < width; ++x) indices.push_back(PatternValue(x, y));
  }
  Byte(out, 8).Bytes(GifImageData(indices));
  Byte(out, 0x3B);
  return out.Take();
}

std::vector<uint8_t> PcxWithData(uint8_t bits, uint16_t width, uint16_t height, uint16_t bytesPerLine,
                                 std::span<const uint8_t> data) {
  ArchiveWriter out;
  out.Bytes(std::vector<uint8_t>{10, static_cast<uint8_t>(bits == 8 ? 5 : 3), 1, bits});
  out.U16(0).U16(0).U16(width - 1).U16(height - 1).U16(72).U16(72);
  out.Bytes(std::vector<uint8_t>(48 + 1));  // the 16-colour palette, reserved
  Byte(out, 1).U16(bytesPerLine).U16(1);
  out.Bytes(std::vector<uint8_t>(128 - 70));
  out.Bytes(data);
  return out.Take();
}

std::vector<uint8_t> SamplePcx(uint8_t bits, uint16_t width, uint16_t height) {
  const uint16_t bytesPerLine = static_cast<uint16_t>((width * bits + 15) / 16 * 2);
  std::vector<uint8_t> data;
  for (uint32_t y = 0; y < height; ++y) {
    std::vector<uint8_t> row = bits == 8 ? PatternRow(width, y, 1) : PackedRow(width, y, 1);
    row.resize(bytesPerLine);
    for (uint8_t value : row) {
      if (value > 192) data.push_back(193);  // a run of one
      data.push_back(value);
    }
  }
  if (bits == 8) {
    data.push_back(12);
    for (int i = 0; i < 256; ++i) data.insert(data.end(), 3, static_cast<uint8_t>(i));
  }
  return PcxWithData(bits, width, height, bytesPerLine, data);
}

std::vector<uint8_t> SampleIcon(std::span<const IconEntry> entries, uint16_t type) {
  std::vector<std::vector<uint8_t>> images;
  for (const IconEntry& entry : entries) {
    const int32_t size = entry.width ? entry.width : 256;
    const uint32_t colours = entry.bits <= 8 ? 1u << entry.bits : 0;
    const uint32_t stride = (size * entry.bits + 31) / 32 * 4, maskStride = (size + 31) / 32 * 4;
    ArchiveWriter image;
    image.U32(40).I32(size).I32(size * 2).U16(1).U16(entry.bits).U32(0).U32(0).U32(0).U32(0).U32(0).U32(0);
    for (uint32_t i = 0; i < colours; ++i) image.U32(i * 0x010101 * (255 / (colours - 1)));
    for (int32_t y = 0; y < size; ++y) {
      std::vector<uint8_t> row = entry.bits <= 8 ? PackedRow(size, y, entry.bits) : PatternRow(size, y, entry.bits / 8);
      if (entry.bits == 32) {
        for (size_t x = 3; x < row.size(); x += 4) row[x] = 0xFF;  // opaque
      }
      row.resize(stride);
      image.Bytes(row);
    }
    image.Bytes(std::vector<uint8_t>(maskStride * size));  // the mask: all shown
    images.push_back(image.Take());
  }
  ArchiveWriter out;
  out.U16(0).U16(type).U16(static_cast<uint16_t>(entries.size()));
  uint32_t offset = static_cast<uint32_t>(6 + 16 * entries.size());
  for (size_t i = 0; i < entries.size(); ++i) {
    Byte(Byte(Byte(Byte(out, entries[i].width), entries[i].width), entries[i].colours), 0);
    out.U16(1).U16(entries[i].bits).U32(static_cast<uint32_t>(images[i].size())).U32(offset);
    offset += static_cast<uint32_t>(images[i].size());
  }
  for (const std::vector<uint8_t>& image : images) out.Bytes(image);
  return out.Take();
}

std::vector<uint8_t> SamplePng(uint32_t width, uint32_t height, uint32_t format) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = width;
  image.height = height;
  image.format = format;
  const std::vector<uint8_t> pixels = Pattern(width, height, PNG_IMAGE_PIXEL_SIZE(format));
  png_alloc_size_t size = 0;
  png_image_write_to_memory(&image, nullptr, &size, 0, pixels.data(), 0, nullptr);
  std::vector<uint8_t> bytes(size);
  png_image_write_to_memory(&image, bytes.data(), &size, 0, pixels.data(), 0, nullptr);
  bytes.resize(size);
  return bytes;
}

std::vector<uint8_t> SampleJpeg(uint32_t width, uint32_t height, bool progressive, bool grey) {
  jpeg_compress_struct info{};
  jpeg_error_mgr errors{};
  info.err = jpeg_std_error(&errors);
  jpeg_create_compress(&info);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &buffer, &size);
  info.image_width = width;
  info.image_height = height;
  info.input_components = grey ? 1 : 3;
  info.in_color_space = grey ? JCS_GRAYSCALE : JCS_RGB;
  jpeg_set_defaults(&info);
  if (progressive) jpeg_simple_progression(&info);
  jpeg_start_compress(&info, TRUE);
  const std::vector<uint8_t> pixels = Pattern(width, height, info.input_components);
  while (info.next_scanline < height) {
    auto* row = const_cast<JSAMPROW>(&pixels[info.next_scanline * width * info.input_components]);
    jpeg_write_scanlines(&info, &row, 1);
  }
  jpeg_finish_compress(&info);
  std::vector<uint8_t> bytes(buffer, buffer + size);
  jpeg_destroy_compress(&info);
  std::free(buffer);
  return bytes;
}

}  // namespace vx::test
