// The voices of the built-in engine and their descriptions per UI language.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "speech/platform/speech_platform.h"

namespace vx::espeak {

struct BuiltInVoice {
  const char* espeakName;        // eSpeak's voice
  bool readsLatinInEnglish;      // Latin runs go to the English voice
  const wchar_t* description;    // the default value
  const wchar_t* chinese;        // value "804"
  const wchar_t* english;        // value "409"
};

// Mandarin first, so it is the default voice; then English.
const std::vector<BuiltInVoice>& BuiltInVoices();

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
  HRESULT EnumTokens(const wchar_t* requiredAttributes, const wchar_t* optionalAttributes,
                     std::unique_ptr<VoiceTokenEnum>* tokens) override;
};

}  // namespace vx::espeak
