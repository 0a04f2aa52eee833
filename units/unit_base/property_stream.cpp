#include "units/unit_base/property_stream.h"

namespace vx {

void ReadStoredField(ArchiveReader& in, int32_t& value, Encoding) { value = in.I32(); }
void ReadStoredField(ArchiveReader& in, uint32_t& value, Encoding) { value = in.U32(); }

void ReadStoredField(ArchiveReader& in, std::string& value, Encoding encoding) {
  if (encoding == Encoding::kCharCode) {
    auto code = static_cast<char>(in.U16() & 0xFF);
    value = code ? std::string(1, code) : std::string();
    return;
  }
  value = std::string(in.Text());
}

void ReadStoredField(ArchiveReader& in, Bytes& value, Encoding) {
  std::span<const uint8_t> block = in.Block();
  value.assign(block.begin(), block.end());
}

void ReadStoredField(ArchiveReader& in, TextList& value, Encoding) {
  std::vector<std::string_view> texts = in.TextList();
  value.assign(texts.begin(), texts.end());
}

void WriteStoredField(ArchiveWriter& out, int32_t value, Encoding) { out.I32(value); }
void WriteStoredField(ArchiveWriter& out, uint32_t value, Encoding) { out.U32(value); }

void WriteStoredField(ArchiveWriter& out, const std::string& value, Encoding encoding) {
  if (encoding == Encoding::kCharCode) {
    out.U16(value.empty() ? 0 : static_cast<uint8_t>(value[0]));
    return;
  }
  out.Text(value);
}

void WriteStoredField(ArchiveWriter& out, const Bytes& value, Encoding) { out.Block(value); }

void WriteStoredField(ArchiveWriter& out, const TextList& value, Encoding) {
  std::vector<std::string_view> texts(value.begin(), value.end());
  out.TextList(texts);
}

}  // namespace vx
