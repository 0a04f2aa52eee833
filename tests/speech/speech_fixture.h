// A built-in engine and one of its voices for each test, a private temp folder,
// and the steps the speech unit takes to render into a WAV file.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "speech/platform/espeak/espeak_platform.h"
#include "tests/support/wav_reader.h"

namespace vx::test {

class SpeechFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    platform_ = CreateBuiltInSpeechPlatform();
    ASSERT_TRUE(platform_) << "the espeak-ng-data folder must sit next to the test exe";
    ASSERT_EQ(platform_->CreateVoice(&voice_), S_OK);
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    folder_ = std::wstring(temp) + L"vx_speech_" + std::to_wstring(GetCurrentProcessId());
    CreateDirectoryW(folder_.c_str(), nullptr);
  }
  void TearDown() override {
    voice_.reset();
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((folder_ + L"\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
      do DeleteFileW(Path(found.cFileName).c_str());
      while (FindNextFileW(search, &found));
      FindClose(search);
    }
    RemoveDirectoryW(folder_.c_str());
  }

  std::wstring Path(const std::wstring& name) const { return folder_ + L"\\" + name; }

  // A file stream in the format of the voice's current output.
  HRESULT BindFile(const std::wstring& path, std::shared_ptr<OutputStream>* file) {
    std::shared_ptr<OutputStream> current;
    HRESULT result = voice_->GetOutputStream(&current);
    if (FAILED(result)) return result;
    GUID formatId;
    WAVEFORMATEX format;
    result = current->GetFormat(&formatId, &format);
    if (FAILED(result)) return result;
    return platform_->BindToFile(path.c_str(), kFileModeCreateAlways, formatId, format, 0xEFFFFFFFFFFFFFFFull, file);
  }

  // Renders text into a file as the speech unit does: bind, switch the output,
  // speak synchronously, switch back, release.
  HRESULT SpeakToFile(const std::wstring& text, const std::wstring& path, DWORD flags = 0) {
    std::shared_ptr<OutputStream> saved;
    voice_->GetOutputStream(&saved);
    std::shared_ptr<OutputStream> file;
    HRESULT result = BindFile(path, &file);
    if (FAILED(result)) return result;
    EXPECT_EQ(voice_->SetOutput(file, true), S_OK);
    result = voice_->Speak(text.c_str(), flags, nullptr);
    EXPECT_EQ(voice_->SetOutput(saved, true), S_OK);
    return result;
  }

  WavFile Render(const std::wstring& text, DWORD flags = 0) {
    std::wstring path = Path(L"render.wav");
    EXPECT_EQ(SpeakToFile(text, path, flags), S_OK);
    return ReadWav(path);
  }

  std::unique_ptr<SpeechPlatform> platform_;
  std::unique_ptr<SpeechVoice> voice_;
  std::wstring folder_;
};

// eSpeak's generator carries a little state from one utterance to the next, so the
// same text comes out a few milliseconds longer or shorter each time: renderings
// are compared by length within this share.
constexpr double kLengthTolerance = 0.01;

inline void ExpectSameLength(const WavFile& actual, const WavFile& expected) {
  EXPECT_NEAR(actual.Seconds(), expected.Seconds(), expected.Seconds() * kLengthTolerance);
}

// Runs the calling thread's message loop until done() or the time is up.
inline bool PumpMessagesUntil(const std::function<bool()>& done, DWORD milliseconds) {
  DWORD start = GetTickCount();
  while (!done()) {
    if (GetTickCount() - start > milliseconds) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
  }
  return true;
}

}  // namespace vx::test
