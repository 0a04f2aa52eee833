// The slider bar's own properties (index 8 on), each with its default, and their stored form:
// data version 1, versions 0 to 1 read. Pure data: no platform headers.
#pragma once

#include <cstdint>
#include <string>

#include "units/unit_base/property_stream.h"

namespace vx {

struct SliderBarData {
  int32_t border = 0;            // 8 Border: shared styles 0..5
  int32_t orientation = 0;       // 9 Orientation: 0 horizontal, 1 vertical
  int32_t tickPosition = 2;      // 10 TickPosition: 0 none, 1 top/left, 2 bottom/right, 3 both
  int32_t tickFrequency = 1;     // 11 TickFrequency
  int32_t selectionEnabled = 0;  // 12 SelectionEnabled
  int32_t selectionStart = 0;    // 13 SelectionStart
  int32_t selectionLength = 0;   // 14 SelectionLength
  int32_t pageSize = 5;          // 15 PageSize
  int32_t lineSize = 1;          // 16 LineSize
  int32_t minimum = 1;           // 17 Minimum
  int32_t maximum = 10;          // 18 Maximum
  int32_t position = 1;          // 19 Position

  static const PropertyStream<SliderBarData> kStream;
};

}  // namespace vx
