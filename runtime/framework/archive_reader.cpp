#include "runtime/framework/archive_reader.h"

#include <cstring>

namespace vx {

std::span<const uint8_t> ArchiveReader::Fail() {
  ok_ = false;
  position_ = bytes_.size();
  return {};
}

std::span<const uint8_t> ArchiveReader::Bytes(size_t n) {
  if (!ok_ || n > remaining()) return Fail();
  std::span<const uint8_t> taken = bytes_.subspan(position_, n);
  position_ += n;
  return taken;
}

bool ArchiveReader::Skip(size_t n) {
  Bytes(n);
  return ok_;
}

uint32_t ArchiveReader::U32() {
  std::span<const uint8_t> b = Bytes(4);
  if (b.empty()) return 0;
  return b[0] | b[1] << 8 | b[2] << 16 | static_cast<uint32_t>(b[3]) << 24;
}

int32_t ArchiveReader::I32() { return static_cast<int32_t>(U32()); }

uint16_t ArchiveReader::U16() {
  std::span<const uint8_t> b = Bytes(2);
  if (b.empty()) return 0;
  return static_cast<uint16_t>(b[0] | b[1] << 8);
}

int16_t ArchiveReader::I16() { return static_cast<int16_t>(U16()); }

std::span<const uint8_t> ArchiveReader::Block() {
  uint32_t length = U32();
  return ok_ ? Bytes(length) : std::span<const uint8_t>{};
}

std::string_view ArchiveReader::Text() {
  std::span<const uint8_t> b = Block();
  return {reinterpret_cast<const char*>(b.data()), b.size()};
}

std::vector<std::string_view> ArchiveReader::TextList() {
  uint32_t count = U16();
  if (count == 0xFFFF) count = U32();
  // Each text takes at least its length word: a larger count cannot be real, and
  // must not make us reserve for it.
  if (!ok_ || count > remaining() / 4) {
    Fail();
    return {};
  }
  std::vector<std::string_view> texts;
  texts.reserve(count);
  for (uint32_t i = 0; i < count && ok_; ++i) texts.push_back(Text());
  if (!ok_) texts.clear();
  return texts;
}

std::string_view ArchiveReader::ZText() {
  if (!ok_ || remaining() == 0) {
    Fail();
    return {};
  }
  const uint8_t* start = bytes_.data() + position_;
  const void* end = std::memchr(start, 0, remaining());
  if (!end) {
    Fail();
    return {};
  }
  size_t length = static_cast<const uint8_t*>(end) - start;
  position_ += length + 1;
  return {reinterpret_cast<const char*>(start), length};
}

}  // namespace vx
