#include "runtime/mouse_pointer.h"

#include <cstring>
#include <set>
#include <vector>

namespace vx {
namespace {

// Standard pointer numbers 1 to 14 as system cursor ids.
constexpr uint16_t kStandardCursors[] = {32512, 32515, 32513, 32514, 32651, 32650, 32648,
                                         32646, 32643, 32645, 32642, 32644, 32516, 32649};

std::set<HCURSOR>& MadeCursors() {
  static std::set<HCURSOR> made;
  return made;
}

uint32_t ReadU32(const uint8_t* p) {
  uint32_t value;
  std::memcpy(&value, p, 4);
  return value;
}
uint16_t ReadU16(const uint8_t* p) {
  uint16_t value;
  std::memcpy(&value, p, 2);
  return value;
}

// A cursor file: a 6-byte directory head, 16-byte entries (the hot spot at 4 and 6,
// image size at 8, offset at 12). The first image is made into a cursor.
HCURSOR CursorFromFile(std::span<const uint8_t> file) {
  if (file.size() < 22 || ReadU16(file.data()) != 0 || ReadU16(file.data() + 2) != 2) return nullptr;
  const uint8_t* entry = file.data() + 6;
  uint32_t size = ReadU32(entry + 8), offset = ReadU32(entry + 12);
  if (offset > file.size() || size > file.size() - offset || size == 0) return nullptr;
  std::vector<uint8_t> resource(4 + size);
  std::memcpy(resource.data(), entry + 4, 4);  // hot spot x, y
  std::memcpy(resource.data() + 4, file.data() + offset, size);
  HICON cursor = CreateIconFromResourceEx(resource.data(), static_cast<DWORD>(resource.size()), FALSE, 0x00030000, 0, 0,
                                          LR_DEFAULTCOLOR);
  if (cursor) MadeCursors().insert(cursor);
  return cursor;
}

HCURSOR SystemCursor(uint32_t id) { return LoadCursorW(nullptr, MAKEINTRESOURCEW(id)); }

}  // namespace

HCURSOR MakeUnitCursor(std::span<const uint8_t> data) {
  if (data.empty()) return nullptr;
  uint32_t selector = data.size() >= 4 ? ReadU32(data.data()) : data[0];
  if (data.size() >= 4 && selector == 0xFFFFFFFF) return CursorFromFile(data.subspan(4));
  if (data.size() > 10) {
    if (HCURSOR cursor = CursorFromFile(data)) return cursor;
  }
  if (selector >= 1 && selector <= 14) return SystemCursor(kStandardCursors[selector - 1]);
  for (uint16_t id : kStandardCursors) {
    if (selector == id) return SystemCursor(id);
  }
  return nullptr;
}

void DestroyUnitCursor(HCURSOR cursor) {
  if (cursor && MadeCursors().erase(cursor)) DestroyCursor(cursor);
}

}  // namespace vx
