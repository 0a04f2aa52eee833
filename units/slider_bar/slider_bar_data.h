// The slider bar's own properties by index, each with its default, and their stored form:
// data version 1, versions 0 to 1 read. Pure data: no platform headers.
#pragma once

#include <cstdint>
#include <string>

#include "units/unit_base/property_stream.h"

namespace vx {

namespace slider_bar_property {
enum Index : int32_t {
  kBorder = 8,
  kOrientation,
  kTickPosition,
  kTickFrequency,
  kSelectionEnabled,
  kSelectionStart,
  kSelectionLength,
  kPageSize,
  kLineSize,
  kMinimum,
  kMaximum,
  kPosition,
};
}  // namespace slider_bar_property

struct SliderBarData {
  int32_t border = 0;        // shared styles 0..5
  int32_t orientation = 0;   // 0 horizontal, 1 vertical
  int32_t tickPosition = 2;  // 0 none, 1 top/left, 2 bottom/right, 3 both
  int32_t tickFrequency = 1;
  int32_t selectionEnabled = 0;
  int32_t selectionStart = 0;
  int32_t selectionLength = 0;
  int32_t pageSize = 5;
  int32_t lineSize = 1;
  int32_t minimum = 1;
  int32_t maximum = 10;
  int32_t position = 1;

  static const PropertyStream<SliderBarData> kStream;
};

}  // namespace vx
