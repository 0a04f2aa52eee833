// A window's unit list as read from its unit blob: the blob itself, kept exactly as
// read, and beside it one entry per item with the record's stored values, the
// resolved event handlers and the run-time slots.
//
// The blob's handler words are offsets from the program's code base and its slot
// words are 32 bits wide; neither can hold an address in a 64-bit build, so the
// resolved handlers and the slots live in the entries instead.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <variant>
#include <vector>

#include "runtime/template/unit_record.h"

namespace vx {

// A binding with its handler resolved; address null when the unit has none.
struct EventHandler {
  int32_t event;
  const void* address;
};

// The handler at an offset from the code base; null for kNoHandler.
const void* ResolveHandler(const void* codeBase, int32_t offset);

class UnitEntry {
 public:
  uint32_t id() const { return id_; }
  bool isMenuItem() const { return std::holds_alternative<StoredMenuItem>(stored_); }
  // Null for the other kind of item. Mutable: stored common values written while a
  // unit has no window are kept here.
  StoredUnit* unit() { return std::get_if<StoredUnit>(&stored_); }
  const StoredUnit* unit() const { return std::get_if<StoredUnit>(&stored_); }
  StoredMenuItem* menuItem() { return std::get_if<StoredMenuItem>(&stored_); }
  const StoredMenuItem* menuItem() const { return std::get_if<StoredMenuItem>(&stored_); }

  // A unit's bindings in stored order; a menu item's one handler as event 0.
  std::span<const EventHandler> handlers() const { return handlers_; }
  // The first handler bound to the event, or null. A menu item has a single handler
  // and answers with it whatever the event.
  const void* FindHandler(int32_t event) const;

  // Run-time slots: the unit object once created, and the cursor made from the
  // unit's mouse pointer.
  void* object() const { return object_; }
  void SetObject(void* object) { object_ = object; }
  void* cursor() const { return cursor_; }
  void SetCursor(void* cursor) { cursor_ = cursor; }

 private:
  friend class UnitTable;

  uint32_t id_ = 0;
  size_t recordOffset_ = 0;  // blob offset of the first byte after the length word
  size_t recordLength_ = 0;
  size_t propertyBlockOffset_ = 0;  // within the record; units only
  std::variant<StoredUnit, StoredMenuItem> stored_;
  std::vector<EventHandler> handlers_;
  void* object_ = nullptr;
  void* cursor_ = nullptr;
};

class UnitTable {
 public:
  UnitTable() = default;

  // Reads the item count's items from a unit blob: ids, record offsets (counted from
  // blob offset 8 * count), then the records. Empty when an offset or length leaves
  // the blob or a record walk runs past its record. Kind of item is decided by its
  // id: menu-item ids get the menu-item walk, all others the unit walk.
  static std::optional<UnitTable> Read(std::vector<uint8_t> blob, uint32_t itemCount, const void* codeBase);

  size_t size() const { return items_.size(); }
  UnitEntry& Item(size_t index) { return items_[index]; }
  const UnitEntry& Item(size_t index) const { return items_[index]; }
  // The entry with that id, or null.
  UnitEntry* Find(uint32_t id);
  const UnitEntry* Find(uint32_t id) const;

  // The item's record bytes after the length word; size() is the record length.
  std::span<const uint8_t> Record(const UnitEntry& item) const;
  // A unit's type property block (possibly empty); empty for a menu item.
  std::span<const uint8_t> PropertyBlock(const UnitEntry& item) const;
  std::span<const uint8_t> blob() const { return blob_; }

  // Puts back the stored values of a copy taken earlier of this same table and
  // empties every run-time slot. The entries stay where they are, so pointers to
  // them held further up the stack stay valid.
  void RestoreStoredValues(const UnitTable& saved);

 private:
  std::vector<uint8_t> blob_;
  std::vector<UnitEntry> items_;
};

}  // namespace vx
