// The SAPI 5 engine: the system's speech API over COM behind the speech platform
// interface. Every call goes to the SAPI object unchanged and its HRESULT comes
// back unchanged.
#pragma once

#include <memory>

#include "speech/platform/sapi/com_creator.h"
#include "speech/platform/speech_platform.h"

namespace vx {

// The engine over the COM objects that create makes (by default the registered
// SAPI classes). Creating the engine creates no object yet.
std::unique_ptr<SpeechPlatform> CreateSapiSpeechPlatform(sapi::ComCreator create = sapi::CreateWithCoCreateInstance);

}  // namespace vx
