// The common dialog's own properties by index, each with its default, and their stored form:
// data version 1, versions 0 to 1 read. Pure data: no platform headers.
#pragma once

#include <cstdint>
#include <string>

#include "units/unit_base/property_stream.h"

namespace vx {

namespace common_dialog_property {
enum Index : int32_t {
  kDialogType = 8,
  kTitle,
  kFileName,
  kFilter,
  kFilterIndex,
  kInitialDirectory,
  kDefaultExtension,
  kPromptCreate,
  kFileMustExist,
  kPromptOverwrite,
  kPathMustExist,
  kKeepCurrentDirectory,
  kFontColour,
  kBold,
  kItalic,
  kStrikeout,
  kUnderline,
  kFontName,
  kFontSize,
  kHelpFile,
  kHelpCommand,
  kHelpTopic,
};
}  // namespace common_dialog_property

struct CommonDialogData {
  int32_t dialogType = 0;   // 0 open file, 1 save file, 2 font, 3 help
  std::string title{};      // empty for the system's
  std::string fileName{};   // after a confirmed file dialog, the chosen path
  std::string filter{};     // "name|pattern|..."
  int32_t filterIndex = 0;  // 0-based
  std::string initialDirectory{};
  std::string defaultExtension{};
  int32_t promptCreate = 0;
  int32_t fileMustExist = 1;
  int32_t promptOverwrite = 1;
  int32_t pathMustExist = 1;
  int32_t keepCurrentDirectory = 0;
  uint32_t fontColour = 0;
  int32_t bold = 0;
  int32_t italic = 0;
  int32_t strikeout = 0;
  int32_t underline = 0;
  std::string fontName{};
  int32_t fontSize = 0;  // 26 FontSize in points: 0 unset
  std::string helpFile{};
  int32_t helpCommand = 0;  // 0..5
  int32_t helpTopic = 0;

  static const PropertyStream<CommonDialogData> kStream;
};

}  // namespace vx
