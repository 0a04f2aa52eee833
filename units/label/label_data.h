// The label's own properties (index 8 on), each with its default, and their stored form:
// data version 2, versions 0 to 2 read. Pure data: no platform headers.
#pragma once

#include <cstdint>
#include <string>

#include "units/unit_base/property_stream.h"

namespace vx {

struct LabelData {
  std::string caption = "标签";         // 8 Caption
  int32_t effect = 0;                   // 9 Effect: 0..3
  int32_t border = 0;                   // 10 Border: shared styles 0..5, 6 gradient frame
  int32_t frameWidth = 8;               // 11 FrameWidth: at least 5
  uint32_t frameColour1 = 0x808080;     // 12 FrameColour1: 0xFF000000 not used
  uint32_t frameColour2 = 0xFFFFFF;     // 13 FrameColour2
  uint32_t frameColour3 = 0x808080;     // 14 FrameColour3
  Bytes font{};                         // 15 Font
  uint32_t textColour = 0;              // 16 TextColour
  uint32_t backColour = 0xFF000000;     // 17 BackColour
  Bytes backPicture{};                  // 18 BackPicture
  int32_t pictureMode = 1;              // 19 PictureMode: 0..2
  int32_t gradientMode = 0;             // 20 GradientMode: 0 none, 1..8
  uint32_t gradientColour1 = 0x808080;  // 21 GradientColour1: 0xFF000000 not used
  uint32_t gradientColour2 = 0xFFFFFF;  // 22 GradientColour2
  uint32_t gradientColour3 = 0x808080;  // 23 GradientColour3
  int32_t alignment = 0;                // 24 Alignment: 0 left, 1 centre, 2 right
  int32_t wordWrap = 0;                 // 25 WordWrap
  int32_t verticalAlignment = 1;        // 26 VerticalAlignment: 0 top, 1 centre, 2 bottom
  std::string dataSource{};             // 27 DataSource
  std::string dataColumn{};             // 28 DataColumn

  static const PropertyStream<LabelData> kStream;
};

}  // namespace vx
