// The built-in speech engine on eSpeak NG, behind the speech platform interface.
#pragma once

#include <memory>
#include <string>

#include "speech/platform/speech_platform.h"

namespace vx {

// The engine with its data in that folder (by default the espeak-ng-data folder
// next to the exe) and the voices installed there; null when the data are missing,
// eSpeak cannot start or no voice is installed.
std::unique_ptr<SpeechPlatform> CreateBuiltInSpeechPlatform();
std::unique_ptr<SpeechPlatform> CreateBuiltInSpeechPlatform(const std::wstring& dataFolder);

}  // namespace vx
