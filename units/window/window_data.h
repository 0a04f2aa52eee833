// The window unit's own properties by index, each with its default, and their stored form:
// data version 6, versions 0 to 6 read. Pure data: no platform headers.
#pragma once

#include <cstdint>
#include <string>

#include "contract/common_properties.h"
#include "units/unit_base/property_stream.h"

namespace vx {

namespace window_property {
enum Index : int32_t {
  kCaption = 8,
  kBorder,
  kBackColour,
  kBackPicture,
  kPictureMode,
  kBackgroundMusic,
  kMusicPlayMode,
  kControlBox,
  kMaxButton,
  kMinButton,
  kStartPosition = kWindowStartPositionProperty,  // the runtime reads it itself
  kMovable,
  kIcon,
  kEnterMovesFocus,
  kEscCloses,
  kF1OpensHelp,
  kHelpFile,
  kHelpTopic,
  kShowInTaskbar,
  kDragAnywhere,
  kShape,
  kAlwaysOnTop,
  kWindowOption,
  kWindowClassName,
};
}  // namespace window_property

struct WindowData {
  std::string caption{};  // title text
  int32_t border = 2;     // 0 none, 1..6 frame kinds
  uint32_t backColour = 0xFF000000;
  Bytes backPicture{};
  int32_t pictureMode = 1;  // 0..3 layout of the picture
  Bytes backgroundMusic{};
  int32_t musicPlayMode = 0;  // 0..2
  int32_t controlBox = 1;     // title bar with system menu
  int32_t maxButton = 0;
  int32_t minButton = 1;
  int32_t startPosition = start_position::kCentred;
  int32_t movable = 1;
  Bytes icon{};
  int32_t enterMovesFocus = 0;
  int32_t escCloses = 1;
  int32_t f1OpensHelp = 0;
  std::string helpFile{};
  int32_t helpTopic = 0;  // 0 contents
  int32_t showInTaskbar = 1;
  int32_t dragAnywhere = 0;
  int32_t shape = 0;  // 0 rectangular, 1..29 regions
  int32_t alwaysOnTop = 0;
  int32_t windowOption = 0;       // stored and kept
  std::string windowClassName{};  // empty for the runtime's own class

  static const PropertyStream<WindowData> kStream;
};

}  // namespace vx
