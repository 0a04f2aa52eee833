#include "runtime/template/unit_table.h"

#include <algorithm>

#include "runtime/framework/archive_reader.h"
#include "runtime/template/template_ids.h"

namespace vx {

const void* ResolveHandler(const void* codeBase, int32_t offset) {
  if (offset == kNoHandler) return nullptr;
  // Unsigned arithmetic: a stored offset is only data, and must not make pointer
  // arithmetic undefined whatever its value.
  uintptr_t address = reinterpret_cast<uintptr_t>(codeBase) + static_cast<uintptr_t>(static_cast<intptr_t>(offset));
  return reinterpret_cast<const void*>(address);
}

const void* UnitEntry::FindHandler(int32_t event) const {
  if (isMenuItem()) return handlers_.empty() ? nullptr : handlers_.front().address;
  auto found =
      std::find_if(handlers_.begin(), handlers_.end(), [event](const EventHandler& h) { return h.event == event; });
  return found == handlers_.end() ? nullptr : found->address;
}

std::optional<UnitTable> UnitTable::Read(std::vector<uint8_t> blob, uint32_t itemCount, const void* codeBase) {
  const uint64_t recordArea = uint64_t{8} * itemCount;
  if (recordArea > blob.size()) return std::nullopt;

  UnitTable table;
  table.blob_ = std::move(blob);
  std::span<const uint8_t> bytes = table.blob_;
  ArchiveReader ids(bytes.first(4 * size_t{itemCount}));
  ArchiveReader offsets(bytes.subspan(4 * size_t{itemCount}, 4 * size_t{itemCount}));

  table.items_.resize(itemCount);
  for (UnitEntry& item : table.items_) {
    item.id_ = ids.U32();
    uint64_t recordStart = std::min<uint64_t>(recordArea + offsets.U32(), bytes.size());
    ArchiveReader lengthWord(bytes.subspan(static_cast<size_t>(recordStart)));
    uint32_t length = lengthWord.U32();
    if (!lengthWord.ok() || length > lengthWord.remaining()) return std::nullopt;
    item.recordOffset_ = bytes.size() - lengthWord.remaining();
    item.recordLength_ = length;
    std::span<const uint8_t> record = table.Record(item);

    if (IsMenuItemId(item.id_)) {
      StoredMenuItem& menu = item.stored_.emplace<StoredMenuItem>();
      if (!ParseMenuItemRecord(record, menu)) return std::nullopt;
      item.handlers_.push_back({0, ResolveHandler(codeBase, menu.handlerOffset)});
    } else {
      StoredUnit& unit = item.stored_.emplace<StoredUnit>();
      if (!ParseUnitRecord(record, unit, item.propertyBlockOffset_)) return std::nullopt;
      item.handlers_.reserve(unit.bindings.size());
      for (const EventBinding& binding : unit.bindings) {
        item.handlers_.push_back({binding.event, ResolveHandler(codeBase, binding.handlerOffset)});
      }
    }
  }
  return table;
}

UnitEntry* UnitTable::Find(uint32_t id) {
  auto found = std::find_if(items_.begin(), items_.end(), [id](const UnitEntry& e) { return e.id_ == id; });
  return found == items_.end() ? nullptr : &*found;
}

const UnitEntry* UnitTable::Find(uint32_t id) const { return const_cast<UnitTable*>(this)->Find(id); }

void UnitTable::RestoreStoredValues(const UnitTable& saved) {
  for (size_t i = 0; i < items_.size() && i < saved.items_.size(); ++i) {
    items_[i].stored_ = saved.items_[i].stored_;
    items_[i].object_ = nullptr;
    items_[i].cursor_ = nullptr;
  }
}

std::span<const uint8_t> UnitTable::Record(const UnitEntry& item) const {
  return std::span<const uint8_t>(blob_).subspan(item.recordOffset_, item.recordLength_);
}

std::span<const uint8_t> UnitTable::PropertyBlock(const UnitEntry& item) const {
  if (item.isMenuItem()) return {};
  return Record(item).subspan(item.propertyBlockOffset_);
}

}  // namespace vx
