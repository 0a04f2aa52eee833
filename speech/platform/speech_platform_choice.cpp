#include "speech/platform/speech_platform_choice.h"

#include "speech/platform/espeak/espeak_platform.h"
#include "speech/platform/sapi/sapi_platform.h"

namespace vx {

bool SpeechPlatformWorks(SpeechPlatform& platform) {
  std::unique_ptr<SpeechVoice> voice;
  if (FAILED(platform.CreateVoice(&voice)) || !voice) return false;
  // E_NOTIMPL is a failure code, so stubs fall out here with every other failure.
  return SUCCEEDED(voice->SetInterest(kStartAndEndInterest, kStartAndEndInterest));
}

std::unique_ptr<SpeechPlatform> ChooseSpeechPlatform(std::unique_ptr<SpeechPlatform> sapi,
                                                     std::unique_ptr<SpeechPlatform> (*createBuiltIn)()) {
  if (sapi && SpeechPlatformWorks(*sapi)) return sapi;
  return createBuiltIn();
}

std::unique_ptr<SpeechPlatform> CreateSpeechPlatform() {
  return ChooseSpeechPlatform(CreateSapiSpeechPlatform(),
                              [] { return CreateBuiltInSpeechPlatform(); });
}

}  // namespace vx
