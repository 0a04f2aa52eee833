#include "units/combo_box/combo_box_items.h"

#include <cstring>

namespace vx {

Bytes EncodeItemTexts(const TextList& items) {
  ArchiveWriter out;
  WriteStoredField(out, items, Encoding::kByKind);
  return out.Take();
}

TextList DecodeItemTexts(std::span<const uint8_t> block) {
  TextList items;
  if (block.empty()) return items;
  ArchiveReader in(block);
  ReadStoredField(in, items, Encoding::kByKind);
  if (!in.ok()) items.clear();
  return items;
}

std::optional<int32_t> StoredItemValue(std::span<const uint8_t> values, size_t index) {
  if (index >= values.size() / sizeof(int32_t)) return std::nullopt;
  uint32_t value = 0;
  std::memcpy(&value, values.data() + index * sizeof(int32_t), sizeof value);  // stored little-endian
  return static_cast<int32_t>(value);
}

}  // namespace vx
