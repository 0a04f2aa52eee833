// The common dialog's own properties (index 8 on), each with its default, and their stored form:
// data version 1, versions 0 to 1 read. Pure data: no platform headers.
#pragma once

#include <cstdint>
#include <string>

#include "units/unit_base/property_stream.h"

namespace vx {

struct CommonDialogData {
  int32_t dialogType = 0;            // 8 DialogType: 0 open file, 1 save file, 2 font, 3 help
  std::string title{};               // 9 Title: empty for the system's
  std::string fileName{};            // 10 FileName: after a confirmed file dialog, the chosen path
  std::string filter{};              // 11 Filter: "name|pattern|..."
  int32_t filterIndex = 0;           // 12 FilterIndex: 0-based
  std::string initialDirectory{};    // 13 InitialDirectory
  std::string defaultExtension{};    // 14 DefaultExtension
  int32_t promptCreate = 0;          // 15 PromptCreate
  int32_t fileMustExist = 1;         // 16 FileMustExist
  int32_t promptOverwrite = 1;       // 17 PromptOverwrite
  int32_t pathMustExist = 1;         // 18 PathMustExist
  int32_t keepCurrentDirectory = 0;  // 19 KeepCurrentDirectory
  uint32_t fontColour = 0;           // 20 FontColour
  int32_t bold = 0;                  // 21 Bold
  int32_t italic = 0;                // 22 Italic
  int32_t strikeout = 0;             // 23 Strikeout
  int32_t underline = 0;             // 24 Underline
  std::string fontName{};            // 25 FontName
  int32_t fontSize = 0;              // 26 FontSize in points: 0 unset
  std::string helpFile{};            // 27 HelpFile
  int32_t helpCommand = 0;           // 28 HelpCommand: 0..5
  int32_t helpTopic = 0;             // 29 HelpTopic

  static const PropertyStream<CommonDialogData> kStream;
};

}  // namespace vx
