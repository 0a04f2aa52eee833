#include "runtime/template/window_template.h"

#include <algorithm>
#include <optional>

#include "runtime/framework/archive_reader.h"

namespace vx {
namespace {

// Stream order: window table block (N ids, then N slot words), then N window
// records; nothing may follow. Empty on any read error.
std::optional<std::vector<WindowRecord>> ReadWindows(std::span<const uint8_t> bytes, const void* codeBase) {
  ArchiveReader in(bytes);
  std::span<const uint8_t> table = in.Block();
  if (!in.ok() || table.size() % 8 != 0) return std::nullopt;
  // Six words at least per window record: a larger count cannot be real.
  if (table.size() / 8 > in.remaining() / 24) return std::nullopt;
  ArchiveReader ids(table.first(table.size() / 2));

  std::vector<WindowRecord> windows(table.size() / 8);
  for (WindowRecord& window : windows) {
    window.id = ids.U32();
    window.slotValue = in.U32();
    window.secondValue = in.U32();
    window.firstText = in.Text();
    window.secondText = in.Text();
    uint32_t itemCount = in.U32();
    std::span<const uint8_t> blob = in.Block();
    if (!in.ok()) return std::nullopt;
    std::optional<UnitTable> units =
        UnitTable::Read(std::vector<uint8_t>(blob.begin(), blob.end()), itemCount, codeBase);
    if (!units) return std::nullopt;
    window.units = std::move(*units);
  }
  if (in.remaining() != 0) return std::nullopt;
  return windows;
}

}  // namespace

std::optional<WindowTable> WindowTable::Read(std::span<const uint8_t> bytes, const void* codeBase) {
  WindowTable result;
  if (bytes.empty()) return result;
  std::optional<std::vector<WindowRecord>> windows = ReadWindows(bytes, codeBase);
  if (!windows) return std::nullopt;
  result.windows_ = std::move(*windows);
  return result;
}

WindowRecord* WindowTable::Find(uint32_t windowId) {
  auto found =
      std::find_if(windows_.begin(), windows_.end(), [windowId](const WindowRecord& w) { return w.id == windowId; });
  return found == windows_.end() ? nullptr : &*found;
}

const WindowRecord* WindowTable::Find(uint32_t windowId) const {
  return const_cast<WindowTable*>(this)->Find(windowId);
}

}  // namespace vx
