// Reads the archive primitives that window templates and unit property blocks are
// stored in. Reading never goes past the end of the span: the first read that would
// fails, and from then on every read fails and yields zero or empty.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace vx {

class ArchiveReader {
 public:
  explicit ArchiveReader(std::span<const uint8_t> bytes) : bytes_(bytes) {}

  // True while no read has failed.
  bool ok() const { return ok_; }
  size_t position() const { return position_; }
  size_t remaining() const { return bytes_.size() - position_; }

  uint32_t U32();
  int32_t I32();
  uint16_t U16();
  int16_t I16();
  // n bytes seen in place.
  std::span<const uint8_t> Bytes(size_t n);
  bool Skip(size_t n);
  // u32 length, then the bytes.
  std::span<const uint8_t> Block();
  // u32 length, then GBK bytes without a terminator.
  std::string_view Text();
  // Count in compact form (u16, 0xFFFF announcing a u32), then that many texts.
  std::vector<std::string_view> TextList();
  // GBK bytes up to a zero byte; the terminator is consumed, not returned.
  std::string_view ZText();

 private:
  std::span<const uint8_t> Fail();

  std::span<const uint8_t> bytes_;
  size_t position_ = 0;
  bool ok_ = true;
};

}  // namespace vx
