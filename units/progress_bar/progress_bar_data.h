// The progress bar's own properties by index, each with its default, and their stored form:
// data version 1, versions 0 to 1 read. Pure data: no platform headers.
#pragma once

#include <cstdint>
#include <string>

#include "units/unit_base/property_stream.h"

namespace vx {

namespace progress_bar_property {
enum Index : int32_t {
  kBorder = 8,
  kOrientation,
  kSmooth,
  kMinimum,
  kMaximum,
  kPosition,
};
}  // namespace progress_bar_property

struct ProgressBarData {
  int32_t border = 3;       // shared styles 0..5
  int32_t orientation = 0;  // 0 horizontal, 1 vertical
  int32_t smooth = 0;       // 0 segmented, 1 smooth
  int32_t minimum = 0;
  int32_t maximum = 100;
  int32_t position = 0;

  static const PropertyStream<ProgressBarData> kStream;
};

}  // namespace vx
