#include "tests/support/gdi_object_count.h"

#include <cstdint>

namespace vx::test {
namespace {

// An entry of Wine's shared GDI handle table: 24 bytes in both builds, a non-zero
// type for a live object.
struct WineGdiEntry {
  uint64_t object;
  uint32_t owner;
  uint16_t unique;
  uint8_t type;
  uint8_t flags;
  uint64_t userData;
};
static_assert(sizeof(WineGdiEntry) == 24);
constexpr int kWineGdiEntries = 0x4000;

template <typename T>
T ReadAt(uintptr_t address) {
  return *reinterpret_cast<const T*>(address);
}

// The table as the process environment block's GdiSharedHandleTable names it.
const WineGdiEntry* WineGdiTable() {
  // NtCurrentTeb reads fs:/gs: at a small offset, which GCC takes for an access
  // through a null pointer.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Warray-bounds"
  const auto teb = reinterpret_cast<uintptr_t>(NtCurrentTeb());
#pragma GCC diagnostic pop
#ifdef _WIN64
  return ReadAt<const WineGdiEntry*>(ReadAt<uintptr_t>(teb + 0x60) + 0xF8);
#else
  if (auto* table = ReadAt<const WineGdiEntry*>(ReadAt<uintptr_t>(teb + 0x30) + 0x94)) return table;
  // A 32-bit process under 64-bit Wine: the pointer is in the 64-bit process
  // block, reached from the 64-bit thread block that GdiBatchCount points at.
  const uint32_t teb64 = ReadAt<uint32_t>(teb + 0xF70);
  if (!teb64) return nullptr;
  const uint64_t peb64 = ReadAt<uint64_t>(teb64 + 0x60);
  if (!peb64 || peb64 > UINT32_MAX) return nullptr;
  const uint64_t table = ReadAt<uint64_t>(static_cast<uintptr_t>(peb64) + 0xF8);
  return table <= UINT32_MAX ? reinterpret_cast<const WineGdiEntry*>(static_cast<uintptr_t>(table)) : nullptr;
#endif
}

}  // namespace

DWORD GdiObjectCount() {
  if (DWORD count = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS)) return count;
  const WineGdiEntry* table = WineGdiTable();
  if (!table) return 0;
  DWORD count = 0;
  for (int i = 0; i < kWineGdiEntries; ++i) count += table[i].type != 0;
  return count;
}

}  // namespace vx::test
