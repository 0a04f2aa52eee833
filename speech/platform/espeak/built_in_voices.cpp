#include "speech/platform/espeak/built_in_voices.h"

#include <cwchar>

#include "speech/platform/espeak/espeak_library.h"

namespace vx::espeak {
namespace {

class BuiltInVoiceTokenEnum : public VoiceTokenEnum {
 public:
  // A copy: the enumerator outlives its category.
  explicit BuiltInVoiceTokenEnum(std::vector<const BuiltInVoice*> voices) : voices_(std::move(voices)) {}

  HRESULT GetCount(ULONG* count) override {
    if (!count) return E_POINTER;
    *count = static_cast<ULONG>(voices_.size());
    return S_OK;
  }
  HRESULT Next(std::shared_ptr<VoiceToken>* token) override {
    if (!token) return E_POINTER;
    token->reset();
    if (next_ >= voices_.size()) return S_FALSE;
    *token = std::make_shared<BuiltInVoiceToken>(*voices_[next_++]);
    return S_OK;
  }

 private:
  std::vector<const BuiltInVoice*> voices_;
  size_t next_ = 0;
};

}  // namespace

const std::vector<BuiltInVoice>& BuiltInVoices() {
  static const std::vector<BuiltInVoice> voices = {
      {"cmn", L"lang\\sit\\cmn", L"cmn_dict", L"eSpeak NG Chinese (Mandarin)", L"eSpeak NG 中文（普通话）",
       L"eSpeak NG Chinese (Mandarin)"},
      {"en", L"lang\\gmw\\en", L"en_dict", L"eSpeak NG English", L"eSpeak NG 英语", L"eSpeak NG English"},
  };
  return voices;
}

std::vector<const BuiltInVoice*> InstalledVoices(const std::wstring& dataFolder) {
  // Only the files are looked at: loading a voice and its dictionary takes time and
  // memory that the reader's start-up should not spend; the first speech loads it.
  std::vector<const BuiltInVoice*> installed;
  for (const BuiltInVoice& voice : BuiltInVoices()) {
    if (FileHoldsData(dataFolder + L"\\" + voice.voiceFile) && FileHoldsData(dataFolder + L"\\" + voice.dictionary)) {
      installed.push_back(&voice);
    }
  }
  return installed;
}

HRESULT BuiltInVoiceToken::GetStringValue(const wchar_t* valueName, std::wstring* value) {
  if (!value) return E_POINTER;
  const wchar_t* text = nullptr;
  if (!valueName || !*valueName)
    text = voice_.description;
  else if (_wcsicmp(valueName, L"804") == 0)
    text = voice_.chinese;
  else if (_wcsicmp(valueName, L"409") == 0)
    text = voice_.english;
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
  *tokens = std::make_unique<BuiltInVoiceTokenEnum>(voices_);
  return S_OK;
}

}  // namespace vx::espeak
