// The group box's own properties (index 8 on), each with its default, and their stored form:
// data version 1, versions 0 to 1 read. Pure data: no platform headers.
#pragma once

#include <cstdint>
#include <string>

#include "units/unit_base/property_stream.h"

namespace vx {

struct GroupBoxData {
  std::string caption{};             // 8 Caption
  int32_t alignment = 0;             // 9 Alignment: 0 left, 1 centre, 2 right
  uint32_t textColour = 0;           // 10 TextColour
  uint32_t backColour = 0xFF000000;  // 11 BackColour
  Bytes font{};                      // 12 Font

  static const PropertyStream<GroupBoxData> kStream;
};

}  // namespace vx
