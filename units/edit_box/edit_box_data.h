// The edit box's own properties (index 8 on), each with its default, and their stored form:
// data version 2, versions 0 to 2 read. Pure data: no platform headers.
#pragma once

#include <cstdint>
#include <string>

#include "units/unit_base/property_stream.h"

namespace vx {

struct EditBoxData {
  std::string content{};           // 8 Content
  int32_t border = 1;              // 9 Border: shared border styles 0..5
  uint32_t textColour = 0;         // 10 TextColour
  uint32_t backColour = 0xFFFFFF;  // 11 BackColour
  Bytes font{};                    // 12 Font
  int32_t hideSelection = 1;       // 13 HideSelection: hidden while unfocused
  int32_t maxLength = 0;           // 14 MaxLength in bytes: 0 the system maximum
  int32_t multiLine = 0;           // 15 MultiLine
  int32_t scrollBars = 0;          // 16 ScrollBars: 0 none, 1 horizontal, 2 vertical, 3 both
  int32_t alignment = 0;           // 17 Alignment: 0 left, 1 centre, 2 right
  int32_t inputMode = 0;           // 18 InputMode: 0..11
  std::string passwordChar = "*";  // 19 PasswordChar: the first byte masks
  int32_t letterCase = 0;          // 20 LetterCase: 0 as typed, 1 lower, 2 upper
  int32_t spinType = 0;            // 21 SpinType: 0 none, 1 automatic, 2 manual
  int32_t spinMinimum = 0;         // 22 SpinMinimum
  int32_t spinMaximum = 100;       // 23 SpinMaximum
  int32_t selStart = 0;            // 24 SelStart
  int32_t selLength = 0;           // 25 SelLength (26 SelectedText lives only in the control)
  std::string dataSource{};        // 27 DataSource
  std::string dataColumn{};        // 28 DataColumn

  static const PropertyStream<EditBoxData> kStream;
};

}  // namespace vx
