#include "speech/platform/espeak/espeak_platform.h"

#include <cwchar>
#include <utility>
#include <vector>

#include "speech/platform/espeak/built_in_voices.h"
#include "speech/platform/espeak/espeak_library.h"
#include "speech/platform/espeak/espeak_voice.h"
#include "speech/platform/espeak/wav_file_output.h"

namespace vx {
namespace {

class EspeakPlatform : public SpeechPlatform {
 public:
  explicit EspeakPlatform(std::vector<const espeak::BuiltInVoice*> voices) : voices_(std::move(voices)) {}

  HRESULT CreateVoice(std::unique_ptr<SpeechVoice>* voice) override {
    if (!voice) return E_POINTER;
    *voice = std::make_unique<espeak::EspeakVoice>(*voices_.front());
    return S_OK;
  }

  HRESULT BindToFile(const wchar_t* path, int fileMode, const GUID& formatId, const WAVEFORMATEX& format, uint64_t,
                     std::shared_ptr<OutputStream>* stream) override {
    if (!stream) return E_POINTER;
    stream->reset();
    if (!IsEqualGUID(formatId, kWaveFormatExFormatId)) return kSpeechUnsupportedFormat;
    std::shared_ptr<espeak::WavFileOutput> file;
    HRESULT result = espeak::WavFileOutput::Create(path, fileMode, format, &file);
    if (SUCCEEDED(result)) *stream = std::move(file);
    return result;
  }

  HRESULT CreateMemoryStream(const GUID& formatId, const WAVEFORMATEX& format,
                             std::shared_ptr<OutputStream>* stream) override {
    if (!stream) return E_POINTER;
    stream->reset();
    if (!IsEqualGUID(formatId, kWaveFormatExFormatId) || !espeak::IsEngineFormat(format))
      return kSpeechUnsupportedFormat;
    *stream = std::make_shared<espeak::MemoryOutput>(format);
    return S_OK;
  }

  HRESULT GetCategoryFromId(const wchar_t* categoryId, bool, std::unique_ptr<VoiceCategory>* category) override {
    if (!category) return E_POINTER;
    category->reset();
    // Voices are the only category; there is nothing to create.
    if (!categoryId || _wcsicmp(categoryId, kVoiceCategoryId) != 0) return kSpeechNotFound;
    *category = std::make_unique<espeak::BuiltInVoiceCategory>(voices_);
    return S_OK;
  }

 private:
  std::vector<const espeak::BuiltInVoice*> voices_;  // installed, never empty
};

}  // namespace

std::unique_ptr<SpeechPlatform> CreateBuiltInSpeechPlatform() {
  return CreateBuiltInSpeechPlatform(espeak::DataFolderNextToExe());
}

std::unique_ptr<SpeechPlatform> CreateBuiltInSpeechPlatform(const std::wstring& dataFolder) {
  if (!espeak::Initialize(dataFolder)) return nullptr;
  std::vector<const espeak::BuiltInVoice*> voices = espeak::InstalledVoices(dataFolder);
  if (voices.empty()) return nullptr;
  return std::make_unique<EspeakPlatform>(std::move(voices));
}

}  // namespace vx
