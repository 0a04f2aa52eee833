// The combo box's own properties (index 8 on), each with its default, and their stored form:
// data version 3, versions 0 to 3 read. Pure data: no platform headers.
#pragma once

#include <cstdint>
#include <string>

#include "units/unit_base/property_stream.h"

namespace vx {

struct ComboBoxData {
  int32_t comboType = 1;           // 8 ComboType: 0 simple, 1 drop-down, 2 drop-down list
  std::string content{};           // 9 Content: the edit field's text
  int32_t maxLength = 0;           // 10 MaxLength: 0 the system maximum
  int32_t selStart = 0;            // 11 SelStart
  int32_t selLength = 0;           // 12 SelLength (13 SelectedText lives only in the control)
  int32_t sorted = 0;              // 14 Sorted
  int32_t itemSpacing = 1;         // 15 ItemSpacing: pixels added to the item height
  uint32_t textColour = 0;         // 16 TextColour
  uint32_t backColour = 0xFFFFFF;  // 17 BackColour
  Bytes font{};                    // 18 Font
  int32_t currentSelection = -1;   // 19 CurrentSelection: -1 none
  TextList items{};                // 20 Items
  Bytes itemValues{};              // 21 ItemValues: one 32-bit value per item, in item order
  std::string dataSource{};        // 22 DataSource
  std::string dataColumn{};        // 23 DataColumn
  int32_t dataOption = 0;          // 24 DataOption

  static const PropertyStream<ComboBoxData> kStream;
};

}  // namespace vx
