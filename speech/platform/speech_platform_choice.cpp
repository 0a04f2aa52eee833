#include "speech/platform/speech_platform_choice.h"

#include <algorithm>
#include <vector>

#include "speech/platform/espeak/espeak_platform.h"
#include "speech/platform/sapi/sapi_platform.h"

namespace vx {

namespace {

bool HasAVoice(SpeechPlatform& platform) {
  std::unique_ptr<VoiceCategory> category;
  if (FAILED(platform.GetCategoryFromId(kVoiceCategoryId, false, &category)) || !category) return false;
  std::unique_ptr<VoiceTokenEnum> tokens;
  if (FAILED(category->EnumTokens(L"", L"", &tokens)) || !tokens) return false;
  std::shared_ptr<VoiceToken> token;
  return tokens->Next(&token) == S_OK && token;
}

// A short synchronous rendering in the voice's own format, heard by nobody.
bool RendersIntoMemory(SpeechPlatform& platform, SpeechVoice& voice) {
  std::shared_ptr<OutputStream> normal, memory;
  GUID formatId;
  std::vector<BYTE> format;
  if (FAILED(voice.GetOutputStream(&normal)) || !normal || FAILED(normal->GetFormatBlock(&formatId, &format))) {
    return false;
  }
  format.resize(std::max(format.size(), sizeof(WAVEFORMATEX)));
  return SUCCEEDED(
             platform.CreateMemoryStream(formatId, *reinterpret_cast<const WAVEFORMATEX*>(format.data()), &memory)) &&
         memory && SUCCEEDED(voice.SetOutput(memory, true)) && SUCCEEDED(voice.Speak(L"1", 0, nullptr));
}

}  // namespace

bool SpeechPlatformWorks(SpeechPlatform& platform) {
  std::unique_ptr<SpeechVoice> voice;
  if (FAILED(platform.CreateVoice(&voice)) || !voice) return false;
  // E_NOTIMPL is a failure code, so stubs fall out here with every other failure.
  return SUCCEEDED(voice->SetInterest(kStartAndEndInterest, kStartAndEndInterest)) && HasAVoice(platform) &&
         RendersIntoMemory(platform, *voice);
}

std::unique_ptr<SpeechPlatform> ChooseSpeechPlatform(std::unique_ptr<SpeechPlatform> sapi,
                                                     std::unique_ptr<SpeechPlatform> (*createBuiltIn)()) {
  if (sapi && SpeechPlatformWorks(*sapi)) return sapi;
  return createBuiltIn();
}

std::unique_ptr<SpeechPlatform> CreateSpeechPlatform() {
  return ChooseSpeechPlatform(CreateSapiSpeechPlatform(), [] { return CreateBuiltInSpeechPlatform(); });
}

}  // namespace vx
