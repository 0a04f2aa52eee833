#include "units/unit_base/all_property_data.h"

#include <cstring>
#include <type_traits>
#include <vector>

#include "units/unit_base/property_data.h"
#include "units/unit_object.h"
#include "units/unit_type.h"

namespace vx {

static_assert(std::is_same_v<decltype(&GetAllPropertyData), GetAllPropertyDataFn>);

void* GetAllPropertyData(UnitObject* unit) {
  const PropertyData* data = unit ? unit->propertyData() : nullptr;
  if (!data) return nullptr;
  return MovableBlockFrom(data->Stream());
}

HGLOBAL MovableBlockFrom(std::span<const uint8_t> bytes) {
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
  if (!block) return nullptr;
  void* target = GlobalLock(block);
  if (!target) {
    GlobalFree(block);
    return nullptr;
  }
  if (!bytes.empty()) std::memcpy(target, bytes.data(), bytes.size());
  GlobalUnlock(block);
  return block;
}

}  // namespace vx
