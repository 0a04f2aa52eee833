#include "runtime/template/unit_record.h"

#include "runtime/framework/archive_reader.h"

namespace vx {
namespace {

constexpr size_t kHeadReservedBytes = 16;   // four words after the shared-handler unit
constexpr size_t kAfterBindingsBytes = 20;  // five words between bindings and property block

// Type code, shared-handler unit, the reserved words and the two names.
void ReadHead(ArchiveReader& in, uint32_t& typeCode, uint32_t& sharedHandlerUnit, std::string& name,
              std::string& secondName) {
  typeCode = in.U32();
  sharedHandlerUnit = in.U32();
  in.Skip(kHeadReservedBytes);
  name = in.ZText();
  secondName = in.ZText();
}

void WriteHead(ArchiveWriter& out, uint32_t typeCode, uint32_t sharedHandlerUnit, const std::string& name,
               const std::string& secondName) {
  out.U32(typeCode).U32(sharedHandlerUnit);
  for (size_t i = 0; i < kHeadReservedBytes / 4; ++i) out.U32(0);
  out.ZText(name).ZText(secondName);
}

}  // namespace

bool ParseUnitRecord(std::span<const uint8_t> record, StoredUnit& unit, size_t& propertyBlockOffset) {
  ArchiveReader in(record);
  ReadHead(in, unit.typeCode, unit.sharedHandlerUnit, unit.name, unit.secondName);
  in.U32();  // run-time slot: the unit object
  unit.left = in.I32();
  unit.top = in.I32();
  unit.width = in.I32();
  unit.height = in.I32();
  in.U32();  // run-time slot: the loaded mouse pointer
  unit.parent = in.U32();

  uint32_t childCount = in.U32();
  if (!in.ok() || childCount > in.remaining() / 4) return false;
  unit.children.clear();
  unit.children.reserve(childCount);
  for (uint32_t i = 0; i < childCount; ++i) unit.children.push_back(in.U32());

  std::span<const uint8_t> pointer = in.Block();
  unit.mousePointer.assign(pointer.begin(), pointer.end());
  unit.tag = in.ZText();
  in.U32();  // reserved
  unit.stateFlags = in.U32();
  unit.tabOrder = in.I32();

  uint32_t bindingCount = in.U32();
  if (!in.ok() || bindingCount > in.remaining() / 8) return false;
  unit.bindings.clear();
  unit.bindings.reserve(bindingCount);
  for (uint32_t i = 0; i < bindingCount; ++i) {
    int32_t event = in.I32();
    unit.bindings.push_back({event, in.I32()});
  }
  in.Skip(kAfterBindingsBytes);
  propertyBlockOffset = in.position();
  return in.ok();
}

bool ParseMenuItemRecord(std::span<const uint8_t> record, StoredMenuItem& item) {
  ArchiveReader in(record);
  ReadHead(in, item.typeCode, item.sharedHandlerUnit, item.name, item.secondName);
  item.firstValue = in.U32();
  item.secondValue = in.U32();
  item.menuFlags = in.U32();
  item.caption = in.ZText();
  item.handlerOffset = in.I32();
  return in.ok();
}

void WriteUnitRecord(ArchiveWriter& out, const StoredUnit& unit, std::span<const uint8_t> propertyBlock) {
  WriteHead(out, unit.typeCode, unit.sharedHandlerUnit, unit.name, unit.secondName);
  out.U32(0).I32(unit.left).I32(unit.top).I32(unit.width).I32(unit.height).U32(0);
  out.U32(unit.parent).U32(static_cast<uint32_t>(unit.children.size()));
  for (uint32_t child : unit.children) out.U32(child);
  out.Block(unit.mousePointer).ZText(unit.tag);
  out.U32(0).U32(unit.stateFlags).I32(unit.tabOrder);
  out.U32(static_cast<uint32_t>(unit.bindings.size()));
  for (const EventBinding& binding : unit.bindings) out.I32(binding.event).I32(binding.handlerOffset);
  for (size_t i = 0; i < kAfterBindingsBytes / 4; ++i) out.U32(0);
  out.Bytes(propertyBlock);
}

void WriteMenuItemRecord(ArchiveWriter& out, const StoredMenuItem& item) {
  WriteHead(out, item.typeCode, item.sharedHandlerUnit, item.name, item.secondName);
  out.U32(item.firstValue).U32(item.secondValue).U32(item.menuFlags);
  out.ZText(item.caption).I32(item.handlerOffset);
}

}  // namespace vx
