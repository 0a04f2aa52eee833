// The window unit's own properties (index 8 on, numbered from 0 here) and their
// stored form, data version 6; versions 0 to 6 are read.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "units/unit_base/property_data.h"

namespace vx {

namespace window_property {
constexpr int32_t kCaption = 0;
constexpr int32_t kBorder = 1;
constexpr int32_t kBackColour = 2;
constexpr int32_t kBackPicture = 3;
constexpr int32_t kPictureMode = 4;
constexpr int32_t kBackgroundMusic = 5;
constexpr int32_t kMusicPlayMode = 6;
constexpr int32_t kControlBox = 7;
constexpr int32_t kMaxButton = 8;
constexpr int32_t kMinButton = 9;
constexpr int32_t kStartPosition = 10;
constexpr int32_t kMovable = 11;
constexpr int32_t kIcon = 12;
constexpr int32_t kEnterMovesFocus = 13;
constexpr int32_t kEscCloses = 14;
constexpr int32_t kF1OpensHelp = 15;
constexpr int32_t kHelpFile = 16;
constexpr int32_t kHelpTopic = 17;
constexpr int32_t kShowInTaskbar = 18;
constexpr int32_t kDragAnywhere = 19;
constexpr int32_t kShape = 20;
constexpr int32_t kAlwaysOnTop = 21;
constexpr int32_t kWindowOption = 22;
constexpr int32_t kWindowClassName = 23;
constexpr int32_t kCount = 24;
}  // namespace window_property

// Pick-list sizes.
constexpr int32_t kBorderCount = 7;
constexpr int32_t kPictureModeCount = 4;
constexpr int32_t kMusicPlayModeCount = 3;
constexpr int32_t kStartPositionCount = 4;
constexpr int32_t kShapeCount = 30;

namespace start_position {
constexpr int32_t kNormal = 0;
constexpr int32_t kCentred = 1;
constexpr int32_t kMinimised = 2;
constexpr int32_t kMaximised = 3;
}  // namespace start_position

class WindowPropertyData : public PropertyData {
 public:
  WindowPropertyData() { ResetToDefaults(); }
  void ResetToDefaults() override;

  std::string caption;
  int32_t border;
  uint32_t backColour;
  std::vector<uint8_t> backPicture;
  int32_t pictureMode;
  std::vector<uint8_t> backgroundMusic;
  int32_t musicPlayMode;
  int32_t controlBox;
  int32_t maxButton;
  int32_t minButton;
  int32_t startPosition;
  int32_t movable;
  std::vector<uint8_t> icon;
  int32_t enterMovesFocus;
  int32_t escCloses;
  int32_t f1OpensHelp;
  std::string helpFile;
  int32_t helpTopic;
  int32_t showInTaskbar;
  int32_t dragAnywhere;
  int32_t shape;
  int32_t alwaysOnTop;
  int32_t windowOption;
  std::string windowClassName;

 protected:
  uint32_t Version() const override { return 6; }
  void ReadFields(ArchiveReader& in, uint32_t version) override;
  void WriteFields(ArchiveWriter& out) const override;
};

}  // namespace vx
