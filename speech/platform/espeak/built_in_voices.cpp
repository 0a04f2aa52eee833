#include "speech/platform/espeak/built_in_voices.h"

#include <cwchar>

namespace vx::espeak {
namespace {

class BuiltInVoiceTokenEnum : public VoiceTokenEnum {
 public:
  HRESULT GetCount(ULONG* count) override {
    if (!count) return E_POINTER;
    *count = static_cast<ULONG>(BuiltInVoices().size());
    return S_OK;
  }
  HRESULT Next(std::shared_ptr<VoiceToken>* token) override {
    if (!token) return E_POINTER;
    token->reset();
    if (next_ >= BuiltInVoices().size()) return S_FALSE;
    *token = std::make_shared<BuiltInVoiceToken>(BuiltInVoices()[next_++]);
    return S_OK;
  }

 private:
  size_t next_ = 0;
};

}  // namespace

const std::vector<BuiltInVoice>& BuiltInVoices() {
  static const std::vector<BuiltInVoice> voices = {
      {"cmn", true, L"eSpeak NG Chinese (Mandarin)", L"eSpeak NG 中文（普通话）",
       L"eSpeak NG Chinese (Mandarin)"},
      {"en", false, L"eSpeak NG English", L"eSpeak NG 英语", L"eSpeak NG English"},
  };
  return voices;
}

HRESULT BuiltInVoiceToken::GetStringValue(const wchar_t* valueName, std::wstring* value) {
  if (!value) return E_POINTER;
  const wchar_t* text = nullptr;
  if (!valueName || !*valueName) text = voice_.description;
  else if (_wcsicmp(valueName, L"804") == 0) text = voice_.chinese;
  else if (_wcsicmp(valueName, L"409") == 0) text = voice_.english;
  if (!text) return kSpeechNotFound;
  *value = text;
  return S_OK;
}

HRESULT BuiltInVoiceCategory::EnumTokens(const wchar_t* requiredAttributes, const wchar_t* optionalAttributes,
                                         std::unique_ptr<VoiceTokenEnum>* tokens) {
  if (!tokens) return E_POINTER;
  // The built-in voices carry no attributes to match: only "all voices" is served.
  // Optional attributes would only change the order, which is fixed here.
  (void)optionalAttributes;
  if (requiredAttributes && *requiredAttributes) {
    tokens->reset();
    return E_INVALIDARG;
  }
  *tokens = std::make_unique<BuiltInVoiceTokenEnum>();
  return S_OK;
}

}  // namespace vx::espeak
