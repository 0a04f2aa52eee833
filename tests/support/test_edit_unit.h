// A small unit type over the system EDIT control, for runtime tests that need real
// controls before the reader's own unit types exist. Its own properties:
//   0 Content (text, kept by the control)   1 ReadOnly (logical)
//   2 Alignment (pick list of 3)             3 Limit (integer)
//   4 Font (font)                            5 Data (byte block)
//   6 Multiline (logical; the control must be re-created to change it)
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "runtime/stored_font.h"
#include "units/unit_object.h"
#include "units/unit_type.h"

namespace vx::test {

class TestEditUnit : public UnitObject {
 public:
  using UnitObject::UnitObject;

  int32_t readOnly = 0;
  int32_t alignment = 0;
  int32_t limit = 0;
  std::vector<uint8_t> font;  // empty or 60 bytes
  std::vector<uint8_t> data;
  int32_t multiline = 0;
  std::string content;  // what GetPropertyData last handed out

  static int liveCount;  // objects not yet deleted with their window
};

// A window type for the window's own entry: a plain top-level window.
GetInterfaceFn TestWindowInterface();
GetInterfaceFn TestEditInterface();

// Unit type table of a test library: slot 1 the window type, slot 2 the edit type.
const UnitTypeInfo* TestUnitTypes();
constexpr uint32_t kTestUnitTypeCount = 2;
constexpr uint32_t kTestWindowType = 0x00010001;
constexpr uint32_t kTestEditType = 0x00010002;

// The stored property block of a test edit (version 1): read-only, alignment,
// limit, multi-line.
std::vector<uint8_t> TestEditBlock(int32_t readOnly, int32_t alignment, int32_t limit, int32_t multiline);

}  // namespace vx::test
