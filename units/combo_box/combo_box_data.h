// The combo box's own properties by index, each with its default, and their stored
// form: data version 3, versions 0 to 3 read. Pure data: no platform headers.
#pragma once

#include <cstdint>
#include <string>

#include "units/unit_base/property_stream.h"

namespace vx {

namespace combo_box_property {
enum Index : int32_t {
  kComboType = 8,
  kContent,
  kMaxLength,
  kSelStart,
  kSelLength,
  kSelectedText,
  kSorted,
  kItemSpacing,
  kTextColour,
  kBackColour,
  kFont,
  kCurrentSelection,
  kItems,
  kItemValues,
  kDataSource,
  kDataColumn,
  kDataOption,
};
}  // namespace combo_box_property

struct ComboBoxData {
  int32_t comboType = 1;  // 0 simple, 1 drop-down, 2 drop-down list
  std::string content{};  // the edit field's text
  int32_t maxLength = 0;  // 0 the system maximum
  int32_t selStart = 0;
  int32_t selLength = 0;  // (SelectedText lives only in the control)
  int32_t sorted = 0;
  int32_t itemSpacing = 1;  // pixels added to the item height
  uint32_t textColour = 0;
  uint32_t backColour = 0xFFFFFF;
  Bytes font{};
  int32_t currentSelection = -1;  // -1 none
  TextList items{};
  Bytes itemValues{};  // one 32-bit value per item, in item order
  std::string dataSource{};
  std::string dataColumn{};
  int32_t dataOption = 0;

  static const PropertyStream<ComboBoxData> kStream;
};

}  // namespace vx
