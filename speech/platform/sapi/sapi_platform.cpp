#include "speech/platform/sapi/sapi_platform.h"

#include <sapi.h>

#include <vector>

#include "speech/platform/sapi/sapi_helpers.h"

namespace vx {
namespace sapi {

HRESULT CreateWithCoCreateInstance(REFCLSID classId, DWORD context, REFIID interfaceId, void** object) {
  return CoCreateInstance(classId, nullptr, context, interfaceId, object);
}

namespace {

// A SAPI stream: the voice's audio output or a file stream.
class SapiOutputStream : public OutputStream {
 public:
  explicit SapiOutputStream(ISpStreamFormat* adopted) : stream_(adopted) {}

  HRESULT GetFormat(GUID* formatId, WAVEFORMATEX* format) override {
    if (!formatId || !format) return E_POINTER;
    StreamFormat read;
    HRESULT result = read.AssignFrom(stream_.get());
    if (FAILED(result)) return result;
    *formatId = read.formatId;
    *format = read.WaveFormat() ? *read.WaveFormat() : WAVEFORMATEX{};
    return result;
  }

  HRESULT GetFormatBlock(GUID* formatId, std::vector<BYTE>* format) override {
    if (!formatId || !format) return E_POINTER;
    StreamFormat read;
    HRESULT result = read.AssignFrom(stream_.get());
    *formatId = read.formatId;
    *format = std::move(read.waveFormat);
    return result;
  }

  ISpStreamFormat* stream() const { return stream_.get(); }

 private:
  ComRef<ISpStreamFormat> stream_;
};

class SapiVoiceToken : public VoiceToken {
 public:
  explicit SapiVoiceToken(ISpObjectToken* adopted) : token_(adopted) {}

  HRESULT GetStringValue(const wchar_t* valueName, std::wstring* value) override {
    if (!value) return E_POINTER;
    value->clear();
    wchar_t* text = nullptr;
    HRESULT result = token_->GetStringValue(valueName, &text);
    if (SUCCEEDED(result) && text) *value = text;
    CoTaskMemFree(text);
    return result;
  }

  ISpObjectToken* token() const { return token_.get(); }

 private:
  ComRef<ISpObjectToken> token_;
};

class SapiVoiceTokenEnum : public VoiceTokenEnum {
 public:
  explicit SapiVoiceTokenEnum(IEnumSpObjectTokens* adopted) : tokens_(adopted) {}

  HRESULT GetCount(ULONG* count) override {
    if (!count) return E_POINTER;
    return tokens_->GetCount(count);
  }

  HRESULT Next(std::shared_ptr<VoiceToken>* token) override {
    if (!token) return E_POINTER;
    token->reset();
    ISpObjectToken* next = nullptr;
    HRESULT result = tokens_->Next(1, &next, nullptr);
    if (result == S_OK && next)
      *token = std::make_shared<SapiVoiceToken>(next);
    else if (next)
      next->Release();
    return result;
  }

 private:
  ComRef<IEnumSpObjectTokens> tokens_;
};

class SapiVoiceCategory : public VoiceCategory {
 public:
  explicit SapiVoiceCategory(ISpObjectTokenCategory* adopted) : category_(adopted) {}

  HRESULT EnumTokens(const wchar_t* requiredAttributes, const wchar_t* optionalAttributes,
                     std::unique_ptr<VoiceTokenEnum>* tokens) override {
    if (!tokens) return E_POINTER;
    tokens->reset();
    IEnumSpObjectTokens* found = nullptr;
    HRESULT result = category_->EnumTokens(requiredAttributes, optionalAttributes, &found);
    if (found) *tokens = std::make_unique<SapiVoiceTokenEnum>(found);
    return result;
  }

 private:
  ComRef<ISpObjectTokenCategory> category_;
};

class SapiVoice : public SpeechVoice {
 public:
  explicit SapiVoice(ISpVoice* adopted) : voice_(adopted) {}

  HRESULT SetInterest(uint64_t eventInterest, uint64_t queuedInterest) override {
    return voice_->SetInterest(eventInterest, queuedInterest);
  }

  HRESULT SetNotifyCallbackFunction(SpeechNotifyCallback callback, WPARAM wParam, LPARAM lParam) override {
    return voice_->SetNotifyCallbackFunction(callback, wParam, lParam);
  }

  HRESULT GetEvents(ULONG count, SpeechEvent* events, ULONG* fetched) override {
    if (!events) return E_POINTER;
    std::vector<SPEVENT> raw(count);
    ULONG got = 0;
    HRESULT result = voice_->GetEvents(count, raw.data(), &got);
    if (FAILED(result)) got = 0;
    for (ULONG i = 0; i < got; ++i) {
      events[i].eventId = static_cast<uint16_t>(raw[i].eEventId);
      events[i].streamNumber = raw[i].ulStreamNum;
      SpClearEvent(&raw[i]);
    }
    if (fetched) *fetched = got;
    return result;
  }

  HRESULT Speak(const wchar_t* text, DWORD flags, ULONG* streamNumber) override {
    return voice_->Speak(text, flags, streamNumber);
  }
  HRESULT WaitUntilDone(DWORD milliseconds) override { return voice_->WaitUntilDone(milliseconds); }
  HRESULT Pause() override { return voice_->Pause(); }
  HRESULT Resume() override { return voice_->Resume(); }
  HRESULT SetRate(long rate) override { return voice_->SetRate(rate); }
  HRESULT SetVolume(USHORT volume) override { return voice_->SetVolume(volume); }
  HRESULT GetRate(long* rate) override {
    if (!rate) return E_POINTER;
    LONG value = 0;
    HRESULT result = voice_->GetRate(&value);
    *rate = value;
    return result;
  }
  HRESULT GetVolume(USHORT* volume) override { return voice_->GetVolume(volume); }

  HRESULT GetOutputStream(std::shared_ptr<OutputStream>* stream) override {
    if (!stream) return E_POINTER;
    stream->reset();
    ISpStreamFormat* current = nullptr;
    HRESULT result = voice_->GetOutputStream(&current);
    if (current) *stream = std::make_shared<SapiOutputStream>(current);
    return result;
  }

  HRESULT SetOutput(std::shared_ptr<OutputStream> stream, bool allowFormatChanges) override {
    IUnknown* output = nullptr;
    if (stream) {
      auto* own = dynamic_cast<SapiOutputStream*>(stream.get());
      if (!own) return E_INVALIDARG;
      output = own->stream();
    }
    return voice_->SetOutput(output, allowFormatChanges ? TRUE : FALSE);
  }

  HRESULT SetVoice(const std::shared_ptr<VoiceToken>& token) override {
    auto* own = dynamic_cast<SapiVoiceToken*>(token.get());
    if (token && !own) return E_INVALIDARG;
    return voice_->SetVoice(own ? own->token() : nullptr);
  }

  HRESULT GetVoice(std::shared_ptr<VoiceToken>* token) override {
    if (!token) return E_POINTER;
    token->reset();
    ISpObjectToken* current = nullptr;
    HRESULT result = voice_->GetVoice(&current);
    if (current) *token = std::make_shared<SapiVoiceToken>(current);
    return result;
  }

 private:
  ComRef<ISpVoice> voice_;
};

class SapiPlatform : public SpeechPlatform {
 public:
  explicit SapiPlatform(ComCreator create) : create_(std::move(create)) {}

  HRESULT CreateVoice(std::unique_ptr<SpeechVoice>* voice) override {
    if (!voice) return E_POINTER;
    voice->reset();
    ISpVoice* created = nullptr;
    HRESULT result = create_(CLSID_SpVoice, kClassContext, IID_ISpVoice, reinterpret_cast<void**>(&created));
    if (FAILED(result)) {
      if (created) created->Release();
      return result;
    }
    *voice = std::make_unique<SapiVoice>(created);
    return result;
  }

  HRESULT BindToFile(const wchar_t* path, int fileMode, const GUID& formatId, const WAVEFORMATEX& format,
                     uint64_t eventInterest, std::shared_ptr<OutputStream>* stream) override {
    if (!stream) return E_POINTER;
    stream->reset();
    ISpStream* bound = nullptr;
    HRESULT result =
        SpBindToFile(create_, path, static_cast<SPFILEMODE>(fileMode), &formatId,
                     IsEqualGUID(formatId, kWaveFormatExFormatId) ? &format : nullptr, eventInterest, &bound);
    if (bound) *stream = std::make_shared<SapiOutputStream>(bound);
    return result;
  }

  HRESULT CreateMemoryStream(const GUID& formatId, const WAVEFORMATEX& format,
                             std::shared_ptr<OutputStream>* stream) override {
    if (!stream) return E_POINTER;
    stream->reset();
    ISpStream* bound = nullptr;
    HRESULT result =
        SpBindToMemory(create_, &formatId, IsEqualGUID(formatId, kWaveFormatExFormatId) ? &format : nullptr, &bound);
    if (bound) *stream = std::make_shared<SapiOutputStream>(bound);
    return result;
  }

  HRESULT GetCategoryFromId(const wchar_t* categoryId, bool createIfMissing,
                            std::unique_ptr<VoiceCategory>* category) override {
    if (!category) return E_POINTER;
    category->reset();
    ISpObjectTokenCategory* opened = nullptr;
    HRESULT result = SpGetCategoryFromId(create_, categoryId, createIfMissing ? TRUE : FALSE, &opened);
    if (opened) *category = std::make_unique<SapiVoiceCategory>(opened);
    return result;
  }

 private:
  ComCreator create_;
};

}  // namespace
}  // namespace sapi

std::unique_ptr<SpeechPlatform> CreateSapiSpeechPlatform(sapi::ComCreator create) {
  return std::make_unique<sapi::SapiPlatform>(std::move(create));
}

}  // namespace vx
