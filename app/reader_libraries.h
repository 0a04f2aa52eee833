// The libraries the reader links, by the number the program header gives each
// (the core and speech libraries' numbers are part of their type codes), and the
// type codes of the units and object it passes as arguments.
#pragma once

#include "contract/values.h"
#include "speech/speech_library.h"
#include "units/unit_types/core_unit_types.h"

namespace voxlet {

inline constexpr int kCoreLibrary = vx::kCoreLibraryNumber;
inline constexpr int kSpeechLibrary = vx::kSpeechLibraryNumber;
inline constexpr int kThreadLibrary = 3;
inline constexpr int kControlLookLibrary = 4;

inline constexpr vx::DataType kComboBoxType = vx::core_unit_type::kComboBox;
inline constexpr vx::DataType kLabelType = vx::core_unit_type::kLabel;
inline constexpr vx::DataType kCommonDialogType = vx::core_unit_type::kCommonDialog;

}  // namespace voxlet
