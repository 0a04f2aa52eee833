// The button's own properties (index 8 on), each with its default, and their stored form:
// data version 1, versions 0 to 1 read. Pure data: no platform headers.
#pragma once

#include <cstdint>
#include <string>

#include "units/unit_base/property_stream.h"

namespace vx {

struct ButtonData {
  Bytes picture{};                // 8 Picture: shown instead of the caption
  int32_t buttonType = 0;         // 9 ButtonType: 0 normal, 1 default push button
  std::string caption = "按钮";   // 10 Caption
  int32_t alignment = 1;          // 11 Alignment: 0 left, 1 centre, 2 right
  int32_t verticalAlignment = 1;  // 12 VerticalAlignment: 0 top, 1 centre, 2 bottom
  Bytes font{};                   // 13 Font

  static const PropertyStream<ButtonData> kStream;
};

}  // namespace vx
