// libFuzzer target: arbitrary bytes read as a window template. Reading must either
// succeed or fail as a whole, never touch memory outside the input. What reads
// successfully is written back and read again, and must give the same values.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <variant>
#include <vector>

#include "runtime/template/template_ids.h"
#include "runtime/template/template_writer.h"
#include "runtime/template/window_template.h"

namespace vx {
namespace {

std::vector<WindowDescription> Describe(const WindowTable& table) {
  std::vector<WindowDescription> windows;
  for (size_t w = 0; w < table.size(); ++w) {
    const WindowRecord& record = table.Window(w);
    WindowDescription window{record.id, record.slotValue, record.secondValue, record.firstText, record.secondText, {}};
    for (size_t i = 0; i < record.units.size(); ++i) {
      const UnitEntry& item = record.units.Item(i);
      if (const StoredUnit* unit = item.unit()) {
        std::span<const uint8_t> block = record.units.PropertyBlock(item);
        window.items.push_back(UnitDescription{item.id(), *unit, {block.begin(), block.end()}});
      } else {
        window.items.push_back(MenuItemDescription{item.id(), *item.menuItem()});
      }
    }
    windows.push_back(std::move(window));
  }
  return windows;
}

bool SameItems(const UnitTable& a, const UnitTable& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    const UnitEntry& x = a.Item(i);
    const UnitEntry& y = b.Item(i);
    if (x.id() != y.id() || x.isMenuItem() != IsMenuItemId(x.id())) return false;
    if (x.unit() ? !(y.unit() && *x.unit() == *y.unit()) : !(*x.menuItem() == *y.menuItem())) return false;
    std::span<const uint8_t> p = a.PropertyBlock(x), q = b.PropertyBlock(y);
    if (!std::equal(p.begin(), p.end(), q.begin(), q.end())) return false;
    if (b.Find(x.id()) == nullptr) return false;
  }
  return true;
}

}  // namespace
}  // namespace vx

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const uint8_t codeBase[1] = {};
  std::optional<vx::WindowTable> read = vx::WindowTable::Read({data, size}, codeBase);
  if (!read) return 0;
  const vx::WindowTable& table = *read;
  std::optional<vx::WindowTable> rewritten =
      vx::WindowTable::Read(vx::WriteWindowTemplate(vx::Describe(table)), codeBase);
  if (!rewritten) __builtin_trap();
  const vx::WindowTable& again = *rewritten;
  if (again.size() != table.size()) __builtin_trap();
  for (size_t w = 0; w < table.size(); ++w) {
    if (again.Window(w).id != table.Window(w).id) __builtin_trap();
    if (!vx::SameItems(table.Window(w).units, again.Window(w).units)) __builtin_trap();
  }
  return 0;
}
