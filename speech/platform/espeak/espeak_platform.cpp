#include "speech/platform/espeak/espeak_platform.h"

#include <cwchar>

#include "speech/platform/espeak/built_in_voices.h"
#include "speech/platform/espeak/espeak_library.h"
#include "speech/platform/espeak/espeak_voice.h"
#include "speech/platform/espeak/wav_file_output.h"

namespace vx {
namespace {

class EspeakPlatform : public SpeechPlatform {
 public:
  HRESULT CreateVoice(std::unique_ptr<SpeechVoice>* voice) override {
    if (!voice) return E_POINTER;
    *voice = std::make_unique<espeak::EspeakVoice>();
    return S_OK;
  }

  HRESULT BindToFile(const wchar_t* path, int fileMode, const GUID& formatId, const WAVEFORMATEX& format,
                     uint64_t, std::shared_ptr<OutputStream>* stream) override {
    if (!stream) return E_POINTER;
    stream->reset();
    if (!IsEqualGUID(formatId, kWaveFormatExFormatId)) return kSpeechUnsupportedFormat;
    std::shared_ptr<espeak::WavFileOutput> file;
    HRESULT result = espeak::WavFileOutput::Create(path, fileMode, format, &file);
    if (SUCCEEDED(result)) *stream = std::move(file);
    return result;
  }

  HRESULT GetCategoryFromId(const wchar_t* categoryId, bool,
                            std::unique_ptr<VoiceCategory>* category) override {
    if (!category) return E_POINTER;
    category->reset();
    // Voices are the only category; there is nothing to create.
    if (!categoryId || _wcsicmp(categoryId, kVoiceCategoryId) != 0) return kSpeechNotFound;
    *category = std::make_unique<espeak::BuiltInVoiceCategory>();
    return S_OK;
  }
};

}  // namespace

std::unique_ptr<SpeechPlatform> CreateBuiltInSpeechPlatform() {
  return CreateBuiltInSpeechPlatform(espeak::DataFolderNextToExe());
}

std::unique_ptr<SpeechPlatform> CreateBuiltInSpeechPlatform(const std::wstring& dataFolder) {
  if (!espeak::Initialize(dataFolder)) return nullptr;
  return std::make_unique<EspeakPlatform>();
}

}  // namespace vx
