#include "runtime/framework/archive_writer.h"

namespace vx {

ArchiveWriter& ArchiveWriter::U32(uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8) bytes_.push_back(static_cast<uint8_t>(value >> shift));
  return *this;
}

ArchiveWriter& ArchiveWriter::U16(uint16_t value) {
  bytes_.push_back(static_cast<uint8_t>(value));
  bytes_.push_back(static_cast<uint8_t>(value >> 8));
  return *this;
}

ArchiveWriter& ArchiveWriter::Bytes(std::span<const uint8_t> bytes) {
  bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
  return *this;
}

ArchiveWriter& ArchiveWriter::Block(std::span<const uint8_t> bytes) {
  return U32(static_cast<uint32_t>(bytes.size())).Bytes(bytes);
}

ArchiveWriter& ArchiveWriter::Text(std::string_view text) {
  return Block({reinterpret_cast<const uint8_t*>(text.data()), text.size()});
}

ArchiveWriter& ArchiveWriter::TextList(std::span<const std::string_view> texts) {
  if (texts.size() < 0xFFFF) {
    U16(static_cast<uint16_t>(texts.size()));
  } else {
    U16(0xFFFF).U32(static_cast<uint32_t>(texts.size()));
  }
  for (std::string_view text : texts) Text(text);
  return *this;
}

ArchiveWriter& ArchiveWriter::ZText(std::string_view text) {
  Bytes({reinterpret_cast<const uint8_t*>(text.data()), text.size()});
  bytes_.push_back(0);
  return *this;
}

}  // namespace vx
