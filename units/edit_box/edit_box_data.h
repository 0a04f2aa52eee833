// The edit box's own properties by index, each with its default, and their stored
// form: data version 2, versions 0 to 2 read. Pure data: no platform headers.
#pragma once

#include <cstdint>
#include <string>

#include "units/unit_base/property_stream.h"

namespace vx {

namespace edit_box_property {
enum Index : int32_t {
  kContent = 8,
  kBorder,
  kTextColour,
  kBackColour,
  kFont,
  kHideSelection,
  kMaxLength,
  kMultiLine,
  kScrollBars,
  kAlignment,
  kInputMode,
  kPasswordChar,
  kLetterCase,
  kSpinType,
  kSpinMinimum,
  kSpinMaximum,
  kSelStart,
  kSelLength,
  kSelectedText,
  kDataSource,
  kDataColumn,
};
}  // namespace edit_box_property

struct EditBoxData {
  std::string content{};
  int32_t border = 1;  // shared border styles 0..5
  uint32_t textColour = 0;
  uint32_t backColour = 0xFFFFFF;
  Bytes font{};
  int32_t hideSelection = 1;  // hidden while unfocused
  int32_t maxLength = 0;      // in bytes: 0 the system maximum
  int32_t multiLine = 0;
  int32_t scrollBars = 0;          // 0 none, 1 horizontal, 2 vertical, 3 both
  int32_t alignment = 0;           // 0 left, 1 centre, 2 right
  int32_t inputMode = 0;           // 0..11
  std::string passwordChar = "*";  // the first byte masks
  int32_t letterCase = 0;          // 0 as typed, 1 lower, 2 upper
  int32_t spinType = 0;            // 0 none, 1 automatic, 2 manual
  int32_t spinMinimum = 0;
  int32_t spinMaximum = 100;
  int32_t selStart = 0;
  int32_t selLength = 0;  // (SelectedText lives only in the control)
  std::string dataSource{};
  std::string dataColumn{};

  static const PropertyStream<EditBoxData> kStream;
};

}  // namespace vx
