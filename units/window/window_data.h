// The window unit's own properties (index 8 on), each with its default, and their stored form:
// data version 6, versions 0 to 6 read. Pure data: no platform headers.
#pragma once

#include <cstdint>
#include <string>

#include "contract/common_properties.h"
#include "units/unit_base/property_stream.h"

namespace vx {

struct WindowData {
  std::string caption{};                             // 8 Caption: title text
  int32_t border = 2;                                // 9 Border: 0 none, 1..6 frame kinds
  uint32_t backColour = 0xFF000000;                  // 10 BackColour
  Bytes backPicture{};                               // 11 BackPicture
  int32_t pictureMode = 1;                           // 12 PictureMode: 0..3 layout of the picture
  Bytes backgroundMusic{};                           // 13 BackgroundMusic
  int32_t musicPlayMode = 0;                         // 14 MusicPlayMode: 0..2
  int32_t controlBox = 1;                            // 15 ControlBox: title bar with system menu
  int32_t maxButton = 0;                             // 16 MaxButton
  int32_t minButton = 1;                             // 17 MinButton
  int32_t startPosition = start_position::kCentred;  // 18 StartPosition
  int32_t movable = 1;                               // 19 Movable
  Bytes icon{};                                      // 20 Icon
  int32_t enterMovesFocus = 0;                       // 21 EnterMovesFocus
  int32_t escCloses = 1;                             // 22 EscCloses
  int32_t f1OpensHelp = 0;                           // 23 F1OpensHelp
  std::string helpFile{};                            // 24 HelpFile
  int32_t helpTopic = 0;                             // 25 HelpTopic: 0 contents
  int32_t showInTaskbar = 1;                         // 26 ShowInTaskbar
  int32_t dragAnywhere = 0;                          // 27 DragAnywhere
  int32_t shape = 0;                                 // 28 Shape: 0 rectangular, 1..29 regions
  int32_t alwaysOnTop = 0;                           // 29 AlwaysOnTop
  int32_t windowOption = 0;                          // 30 window option, stored and kept
  std::string windowClassName{};                     // 31 WindowClassName: empty for the runtime's own class

  static const PropertyStream<WindowData> kStream;
};

}  // namespace vx
