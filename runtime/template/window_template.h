// The program's window template: every window it defines, read once at start-up
// into the WindowTable, whether or not the window is ever loaded.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "runtime/template/unit_table.h"

namespace vx {

inline constexpr char kTemplateReadErrorMessage[] = "载入窗口模板数据段出错!";

struct WindowRecord {
  uint32_t id = 0;
  uint32_t slotValue = 0;    // meaningless in the store
  uint32_t secondValue = 0;  // kept, not used by the runtime
  std::string firstText;     // GBK
  std::string secondText;
  UnitTable units;
};

class WindowTable {
 public:
  WindowTable() = default;

  // Reads the whole template; handler offsets are resolved against codeBase. Length
  // 0 means no windows. Nothing on any read error and on bytes left after the last
  // window record: the runtime then reports kTemplateReadErrorMessage (code 0).
  static std::optional<WindowTable> Read(std::span<const uint8_t> bytes, const void* codeBase);

  size_t size() const { return windows_.size(); }
  WindowRecord& Window(size_t index) { return windows_[index]; }
  const WindowRecord& Window(size_t index) const { return windows_[index]; }
  // The first window with that id, or null.
  WindowRecord* Find(uint32_t windowId);
  const WindowRecord* Find(uint32_t windowId) const;

 private:
  std::vector<WindowRecord> windows_;
};

}  // namespace vx
