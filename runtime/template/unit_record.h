// The records of a window's unit list: one per unit (the window's own unit
// included) and one per menu item. Both start with the same head: type code,
// shared-handler unit, four reserved words, then the name and a second name as
// ztexts.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "contract/common_properties.h"
#include "runtime/framework/archive_writer.h"

namespace vx {

constexpr int32_t kNoHandler = -1;

// As stored: the handler is an offset from the program's code base, kNoHandler for
// none. Offset 0 is a real handler, the code base itself.
struct EventBinding {
  int32_t event;
  int32_t handlerOffset;
  bool operator==(const EventBinding&) const = default;
};

// The common values a unit record stores before its type's property block.
struct StoredUnit {
  uint32_t typeCode = 0;
  uint32_t sharedHandlerUnit = 0;  // another unit whose bindings this one uses; 0 none
  std::string name;                // GBK
  std::string secondName;
  int32_t left = 0;
  int32_t top = 0;
  int32_t width = 0;
  int32_t height = 0;
  uint32_t parent = 0;  // 0: the window itself
  std::vector<uint32_t> children;
  std::vector<uint8_t> mousePointer;  // empty: none
  std::string tag;
  uint32_t stateFlags = 0;
  int32_t tabOrder = 0;
  std::vector<EventBinding> bindings;
  bool operator==(const StoredUnit&) const = default;
};

// Menu flags word of a menu item record.
constexpr uint32_t kMenuHidden = 1;
constexpr uint32_t kMenuDisabled = 2;
constexpr uint32_t kMenuChecked = 4;

struct StoredMenuItem {
  uint32_t typeCode = 0;
  uint32_t sharedHandlerUnit = 0;
  std::string name;
  std::string secondName;
  uint32_t firstValue = 0;  // the two words before the flags; unused by the runtime
  uint32_t secondValue = 0;
  uint32_t menuFlags = 0;
  std::string caption;
  int32_t handlerOffset = kNoHandler;
  bool operator==(const StoredMenuItem&) const = default;
};

// Walks a unit record (the bytes after its length word). False when a field runs
// past the record's end. The type's property block is everything after the fixed
// words that follow the bindings; its offset within the record goes to
// propertyBlockOffset.
bool ParseUnitRecord(std::span<const uint8_t> record, StoredUnit& unit, size_t& propertyBlockOffset);
// False when a field runs past the record's end; bytes after the handler are ignored.
bool ParseMenuItemRecord(std::span<const uint8_t> record, StoredMenuItem& item);

// The record bytes, without the length word; reserved words and run-time slots as 0.
void WriteUnitRecord(ArchiveWriter& out, const StoredUnit& unit, std::span<const uint8_t> propertyBlock);
void WriteMenuItemRecord(ArchiveWriter& out, const StoredMenuItem& item);

}  // namespace vx
