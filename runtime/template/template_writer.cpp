#include "runtime/template/template_writer.h"

#include "runtime/framework/archive_writer.h"

namespace vx {
namespace {

uint32_t ItemId(const ItemDescription& item) {
  return std::visit([](const auto& described) { return described.id; }, item);
}

void WriteRecord(ArchiveWriter& out, const ItemDescription& item) {
  if (const auto* unit = std::get_if<UnitDescription>(&item)) {
    WriteUnitRecord(out, unit->stored, unit->propertyBlock);
  } else {
    WriteMenuItemRecord(out, std::get<MenuItemDescription>(item).stored);
  }
}

// Ids, then record offsets from the start of the record area, then the records,
// each behind its length word.
std::vector<uint8_t> UnitBlob(const std::vector<ItemDescription>& items) {
  ArchiveWriter records;
  std::vector<uint32_t> offsets;
  for (const ItemDescription& item : items) {
    offsets.push_back(static_cast<uint32_t>(records.bytes().size()));
    ArchiveWriter record;
    WriteRecord(record, item);
    records.Block(record.bytes());
  }
  ArchiveWriter blob;
  for (const ItemDescription& item : items) blob.U32(ItemId(item));
  for (uint32_t offset : offsets) blob.U32(offset);
  blob.Bytes(records.bytes());
  return blob.Take();
}

}  // namespace

std::vector<uint8_t> WriteWindowTemplate(const std::vector<WindowDescription>& windows) {
  ArchiveWriter table;
  for (const WindowDescription& window : windows) table.U32(window.id);
  for (size_t i = 0; i < windows.size(); ++i) table.U32(0);  // slots: meaningless in the store

  ArchiveWriter out;
  out.Block(table.bytes());
  for (const WindowDescription& window : windows) {
    out.U32(window.slotValue).U32(window.secondValue);
    out.Text(window.firstText).Text(window.secondText);
    out.U32(static_cast<uint32_t>(window.items.size())).Block(UnitBlob(window.items));
  }
  return out.Take();
}

}  // namespace vx
