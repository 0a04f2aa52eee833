// The voices of the built-in engine and their descriptions per UI language. A voice
// is installed when its voice file and its dictionary are in the data folder, not
// empty; a voice whose dictionary is missing would speak nothing and is left out.
#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "speech/platform/speech_platform.h"

namespace vx::espeak {

struct BuiltInVoice {
  const char* espeakName;    // eSpeak's voice; "cmn" reads Latin words as English
  const wchar_t* voiceFile;  // its files in the data folder
  const wchar_t* dictionary;
  const wchar_t* description;  // the default value
  const wchar_t* chinese;      // value "804"
  const wchar_t* english;      // value "409"
};

// Every voice the engine knows: Mandarin first, so it is the default; then English.
const std::vector<BuiltInVoice>& BuiltInVoices();

// The known voices installed in that folder, in the same order.
std::vector<const BuiltInVoice*> InstalledVoices(const std::wstring& dataFolder);

class BuiltInVoiceToken : public VoiceToken {
 public:
  explicit BuiltInVoiceToken(const BuiltInVoice& voice) : voice_(voice) {}
  HRESULT GetStringValue(const wchar_t* valueName, std::wstring* value) override;
  const BuiltInVoice& Voice() const { return voice_; }

 private:
  const BuiltInVoice& voice_;
};

class BuiltInVoiceCategory : public VoiceCategory {
 public:
  explicit BuiltInVoiceCategory(std::vector<const BuiltInVoice*> voices) : voices_(std::move(voices)) {}
  HRESULT EnumTokens(const wchar_t* requiredAttributes, const wchar_t* optionalAttributes,
                     std::unique_ptr<VoiceTokenEnum>* tokens) override;

 private:
  std::vector<const BuiltInVoice*> voices_;
};

}  // namespace vx::espeak
