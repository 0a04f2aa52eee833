// The label's own properties by index, each with its default, and their stored form:
// data version 2, versions 0 to 2 read. Pure data: no platform headers.
#pragma once

#include <cstdint>
#include <string>

#include "units/unit_base/property_stream.h"

namespace vx {

namespace label_property {
enum Index : int32_t {
  kCaption = 8,
  kEffect,
  kBorder,
  kFrameWidth,
  kFrameColour1,
  kFrameColour2,
  kFrameColour3,
  kFont,
  kTextColour,
  kBackColour,
  kBackPicture,
  kPictureMode,
  kGradientMode,
  kGradientColour1,
  kGradientColour2,
  kGradientColour3,
  kAlignment,
  kWordWrap,
  kVerticalAlignment,
  kDataSource,
  kDataColumn,
};
}  // namespace label_property

struct LabelData {
  std::string caption = "标签";
  int32_t effect = 0;                // 0..3
  int32_t border = 0;                // shared styles 0..5, 6 gradient frame
  int32_t frameWidth = 8;            // at least 5
  uint32_t frameColour1 = 0x808080;  // 0xFF000000 not used
  uint32_t frameColour2 = 0xFFFFFF;
  uint32_t frameColour3 = 0x808080;
  Bytes font{};
  uint32_t textColour = 0;
  uint32_t backColour = 0xFF000000;
  Bytes backPicture{};
  int32_t pictureMode = 1;              // 0..2
  int32_t gradientMode = 0;             // 0 none, 1..8
  uint32_t gradientColour1 = 0x808080;  // 0xFF000000 not used
  uint32_t gradientColour2 = 0xFFFFFF;
  uint32_t gradientColour3 = 0x808080;
  int32_t alignment = 0;  // 0 left, 1 centre, 2 right
  int32_t wordWrap = 0;
  int32_t verticalAlignment = 1;  // 0 top, 1 centre, 2 bottom
  std::string dataSource{};
  std::string dataColumn{};

  static const PropertyStream<LabelData> kStream;
};

}  // namespace vx
