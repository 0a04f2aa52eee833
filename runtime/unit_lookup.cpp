#include "runtime/unit_lookup.h"

#include "runtime/runtime_state.h"

namespace vx {

const UnitTypeInfo* FindUnitType(DataType code) {
  if (KindOf(code) != TypeKind::kLibrary) return nullptr;
  const ProgramHeader* header = Runtime().header;
  uint32_t library = LibraryNumber(code), number = LibraryTypeNumber(code);
  if (!header || library == 0 || number == 0 || library > header->libraryCount) return nullptr;
  const LibraryRecord& record = header->libraries[library - 1];
  if (!record.unitTypes || number > record.unitTypeCount) return nullptr;
  const UnitTypeInfo& type = record.unitTypes[number - 1];
  bool empty = !type.chineseName && !type.englishName && !type.getInterface;
  return empty ? nullptr : &type;
}

UnitEntry* FindUnitEntry(WindowRecord& window, uint32_t unitId) {
  if (unitId == 0) return window.units.size() ? &window.units.Item(0) : nullptr;
  return window.units.Find(unitId);
}

UnitEntry* FindUnitEntry(uint32_t windowId, uint32_t unitId) {
  WindowRecord* window = Runtime().windowTable.Find(windowId);
  return window ? FindUnitEntry(*window, unitId) : nullptr;
}

}  // namespace vx
