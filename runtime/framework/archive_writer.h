// Appends the archive primitives to a byte buffer: the writing side of
// ArchiveReader, used for window templates and unit property blocks.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace vx {

class ArchiveWriter {
 public:
  ArchiveWriter& U32(uint32_t value);
  ArchiveWriter& I32(int32_t value) { return U32(static_cast<uint32_t>(value)); }
  ArchiveWriter& U16(uint16_t value);
  ArchiveWriter& I16(int16_t value) { return U16(static_cast<uint16_t>(value)); }
  ArchiveWriter& Bytes(std::span<const uint8_t> bytes);
  // u32 length, then the bytes.
  ArchiveWriter& Block(std::span<const uint8_t> bytes);
  // u32 length, then the GBK bytes without a terminator.
  ArchiveWriter& Text(std::string_view text);
  // u16 count (0xFFFF and a u32 count from 0xFFFF texts on), then the texts.
  ArchiveWriter& TextList(std::span<const std::string_view> texts);
  // The GBK bytes and a zero byte.
  ArchiveWriter& ZText(std::string_view text);

  const std::vector<uint8_t>& bytes() const { return bytes_; }
  std::vector<uint8_t> Take() { return std::move(bytes_); }

 private:
  std::vector<uint8_t> bytes_;
};

}  // namespace vx
