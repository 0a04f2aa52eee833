#include "units/window/window_property_data.h"

namespace vx {

void WindowPropertyData::ResetToDefaults() {
  caption.clear();
  border = 2;
  backColour = 0xFF000000;
  backPicture.clear();
  pictureMode = 1;
  backgroundMusic.clear();
  musicPlayMode = 0;
  controlBox = 1;
  maxButton = 0;
  minButton = 1;
  startPosition = start_position::kCentred;
  movable = 1;
  icon.clear();
  enterMovesFocus = 0;
  escCloses = 1;
  f1OpensHelp = 0;
  helpFile.clear();
  helpTopic = 0;
  showInTaskbar = 1;
  dragAnywhere = 0;
  shape = 0;
  alwaysOnTop = 0;
  windowOption = 0;
  windowClassName.clear();
}

namespace {

void ReadBlock(ArchiveReader& in, std::vector<uint8_t>& out) {
  std::span<const uint8_t> block = in.Block();
  out.assign(block.begin(), block.end());
}

}  // namespace

void WindowPropertyData::ReadFields(ArchiveReader& in, uint32_t version) {
  border = in.I32();
  pictureMode = in.I32();
  backColour = in.U32();
  maxButton = in.I32();
  minButton = in.I32();
  controlBox = in.I32();
  startPosition = in.I32();
  movable = in.I32();
  musicPlayMode = in.I32();
  enterMovesFocus = in.I32();
  escCloses = in.I32();
  f1OpensHelp = in.I32();
  helpTopic = in.I32();
  if (version >= 2) showInTaskbar = in.I32();
  if (version >= 3) {
    dragAnywhere = in.I32();
    shape = in.I32();
  }
  if (version >= 4) alwaysOnTop = in.I32();
  if (version >= 5) windowOption = in.I32();
  if (version >= 6) windowClassName = std::string(in.Text());
  ReadBlock(in, backPicture);
  ReadBlock(in, icon);
  ReadBlock(in, backgroundMusic);
  caption = std::string(in.Text());
  helpFile = std::string(in.Text());
}

void WindowPropertyData::WriteFields(ArchiveWriter& out) const {
  out.I32(border).I32(pictureMode).U32(backColour).I32(maxButton).I32(minButton).I32(controlBox);
  out.I32(startPosition).I32(movable).I32(musicPlayMode).I32(enterMovesFocus).I32(escCloses);
  out.I32(f1OpensHelp).I32(helpTopic).I32(showInTaskbar).I32(dragAnywhere).I32(shape).I32(alwaysOnTop);
  out.I32(windowOption).Text(windowClassName);
  out.Block(backPicture).Block(icon).Block(backgroundMusic);
  out.Text(caption).Text(helpFile);
}

}  // namespace vx
