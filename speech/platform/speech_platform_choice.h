// Which engine speaks: SAPI where it really works, else the built-in engine.
#pragma once

#include <memory>

#include "speech/platform/speech_platform.h"

namespace vx {

// The interest the speech unit sets: events 1 and 2 with SAPI's flag-check bits.
constexpr uint64_t kStartAndEndInterest = 0x0000000240000006ull;

// SAPI when it works, else the built-in engine; null when neither can be created.
// COM must be initialised on the calling thread.
std::unique_ptr<SpeechPlatform> CreateSpeechPlatform();

// The choice itself: sapi when it can speak, else what createBuiltIn gives.
std::unique_ptr<SpeechPlatform> ChooseSpeechPlatform(std::unique_ptr<SpeechPlatform> sapi,
                                                     std::unique_ptr<SpeechPlatform> (*createBuiltIn)());

// The platform can speak: a voice can be created and accepts the speech unit's
// interest (a SAPI whose calls answer E_NOTIMPL, as Wine's stubs do, would say
// nothing), at least one voice is installed (a SAPI without voices would say
// nothing either), and the voice renders a short text into memory (a registered
// voice whose engine is missing or broken fails here).
bool SpeechPlatformWorks(SpeechPlatform& platform);

}  // namespace vx
