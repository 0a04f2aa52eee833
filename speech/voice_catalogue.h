// The voice catalogue: the installed voices by their descriptions in the user's UI
// language, listed for the program and made current by description. Nothing is
// kept between calls; every call enumerates the platform's voices afresh.
#pragma once

#include <cstdint>
#include <string>

#include "speech/platform/speech_platform.h"

namespace vx {

// The user's UI language, found the way SAPI finds it.
uint16_t UiLanguageId();

// The voice's description for that language, else its default description, in
// GBK; false when neither can be read.
bool ReadVoiceDescription(VoiceToken& token, uint16_t languageId, std::string* description);

// One-dimensional ArrayBlock of GBK texts, one per voice in enumeration order (null
// for an empty or unreadable description), allocated through RuntimeNotify 2024.
// No platform, or voices that cannot be enumerated: the empty list.
int32_t* ListVoices(SpeechPlatform* platform);

// Makes current the first voice whose description equals wanted byte for byte;
// with wanted null, the first voice whose description names Chinese. True when
// such a voice was found and SetVoice succeeded.
bool SelectVoice(SpeechPlatform& platform, SpeechVoice& voice, const char* wanted);

}  // namespace vx
