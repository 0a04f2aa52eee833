// The button's own properties by index, each with its default, and their stored form:
// data version 1, versions 0 to 1 read. Pure data: no platform headers.
#pragma once

#include <cstdint>
#include <string>

#include "units/unit_base/property_stream.h"

namespace vx {

namespace button_property {
enum Index : int32_t {
  kPicture = 8,
  kButtonType,
  kCaption,
  kAlignment,
  kVerticalAlignment,
  kFont,
};
}  // namespace button_property

struct ButtonData {
  Bytes picture{};         // shown instead of the caption
  int32_t buttonType = 0;  // 0 normal, 1 default push button
  std::string caption = "按钮";
  int32_t alignment = 1;          // 0 left, 1 centre, 2 right
  int32_t verticalAlignment = 1;  // 0 top, 1 centre, 2 bottom
  Bytes font{};

  static const PropertyStream<ButtonData> kStream;
};

}  // namespace vx
