// The progress bar's own properties (index 8 on), each with its default, and their stored form:
// data version 1, versions 0 to 1 read. Pure data: no platform headers.
#pragma once

#include <cstdint>
#include <string>

#include "units/unit_base/property_stream.h"

namespace vx {

struct ProgressBarData {
  int32_t border = 3;       // 8 Border: shared styles 0..5
  int32_t orientation = 0;  // 9 Orientation: 0 horizontal, 1 vertical
  int32_t smooth = 0;       // 10 Smooth: 0 segmented, 1 smooth
  int32_t minimum = 0;      // 11 Minimum
  int32_t maximum = 100;    // 12 Maximum
  int32_t position = 0;     // 13 Position

  static const PropertyStream<ProgressBarData> kStream;
};

}  // namespace vx
