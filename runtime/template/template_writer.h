// Builds a window template stream from a description of its windows: the writing
// side of WindowTable::Read, for the program's own template data and for tests.
#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "runtime/template/unit_record.h"

namespace vx {

struct UnitDescription {
  uint32_t id = 0;  // the window's own unit (kind 0) or a unit (kind 1)
  StoredUnit stored;
  std::vector<uint8_t> propertyBlock;  // the type's block; may be empty
};

struct MenuItemDescription {
  uint32_t id = 0;  // kind 2
  StoredMenuItem stored;
};

// The reader walks an item's record by the kind its id gives, not by which of these
// the item was described as.
using ItemDescription = std::variant<UnitDescription, MenuItemDescription>;

struct WindowDescription {
  uint32_t id = 0;
  uint32_t slotValue = 0;
  uint32_t secondValue = 0;
  std::string firstText;
  std::string secondText;
  std::vector<ItemDescription> items;  // item 0 is the window's own unit
};

std::vector<uint8_t> WriteWindowTemplate(const std::vector<WindowDescription>& windows);

}  // namespace vx
