// The group box's own properties by index, each with its default, and their stored form:
// data version 1, versions 0 to 1 read. Pure data: no platform headers.
#pragma once

#include <cstdint>
#include <string>

#include "units/unit_base/property_stream.h"

namespace vx {

namespace group_box_property {
enum Index : int32_t {
  kCaption = 8,
  kAlignment,
  kTextColour,
  kBackColour,
  kFont,
};
}  // namespace group_box_property

struct GroupBoxData {
  std::string caption{};
  int32_t alignment = 0;  // 0 left, 1 centre, 2 right
  uint32_t textColour = 0;
  uint32_t backColour = 0xFF000000;
  Bytes font{};

  static const PropertyStream<GroupBoxData> kStream;
};

}  // namespace vx
