#include <windows.h>

#include <shellapi.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "speech/platform/espeak/audio_output.h"
#include "speech/platform/espeak/espeak_library.h"
#include "tests/speech/speech_fixture.h"

namespace vx::test {
namespace {

using BuiltInVoicesTest = SpeechFixture;

std::vector<std::shared_ptr<VoiceToken>> AllTokens(SpeechPlatform& platform) {
  std::unique_ptr<VoiceCategory> category;
  EXPECT_EQ(platform.GetCategoryFromId(kVoiceCategoryId, false, &category), S_OK);
  std::unique_ptr<VoiceTokenEnum> tokens;
  EXPECT_EQ(category->EnumTokens(L"", L"", &tokens), S_OK);
  ULONG count = 0;
  EXPECT_EQ(tokens->GetCount(&count), S_OK);
  std::vector<std::shared_ptr<VoiceToken>> all;
  std::shared_ptr<VoiceToken> token;
  while (tokens->Next(&token) == S_OK) all.push_back(token);
  EXPECT_FALSE(token);
  EXPECT_EQ(all.size(), count);
  return all;
}

std::wstring Value(VoiceToken& token, const wchar_t* name) {
  std::wstring value;
  EXPECT_EQ(token.GetStringValue(name, &value), S_OK) << (name ? name : L"(default)");
  return value;
}

TEST_F(BuiltInVoicesTest, MandarinComesFirstThenEnglish) {
  auto tokens = AllTokens(*platform_);
  ASSERT_EQ(tokens.size(), 2u);
  std::wstring mandarin = Value(*tokens[0], L"804");
  EXPECT_NE(mandarin.find(L"中文"), std::wstring::npos) << "the catalogue's Chinese rule finds it";
  EXPECT_NE(Value(*tokens[0], L"409").find(L"Chinese"), std::wstring::npos);
  EXPECT_NE(Value(*tokens[1], L"409").find(L"English"), std::wstring::npos);
  EXPECT_EQ(Value(*tokens[1], L"804").find(L"中文"), std::wstring::npos);
}

TEST_F(BuiltInVoicesTest, TheDefaultValueServesOtherLanguages) {
  auto tokens = AllTokens(*platform_);
  ASSERT_FALSE(tokens.empty());
  EXPECT_EQ(Value(*tokens[0], nullptr), Value(*tokens[0], L""));
  EXPECT_FALSE(Value(*tokens[0], nullptr).empty());
  std::wstring value;
  EXPECT_EQ(tokens[0]->GetStringValue(L"411", &value), kSpeechNotFound);
}

TEST_F(BuiltInVoicesTest, OnlyTheVoiceCategoryExists) {
  std::unique_ptr<VoiceCategory> category;
  EXPECT_EQ(platform_->GetCategoryFromId(L"HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Speech\\Recognizers", false,
                                         &category),
            kSpeechNotFound);
  EXPECT_FALSE(category);
}

TEST_F(BuiltInVoicesTest, SetVoiceChangesHowTextIsRead) {
  auto tokens = AllTokens(*platform_);
  ASSERT_EQ(tokens.size(), 2u);
  // English spells the characters out ("Chinese letter ..."), which takes far longer.
  WavFile mandarin = Render(L"你好");
  ASSERT_EQ(voice_->SetVoice(tokens[1]), S_OK);
  EXPECT_GT(Render(L"你好").Seconds(), 1.5 * mandarin.Seconds());
  ASSERT_EQ(voice_->SetVoice(tokens[0]), S_OK);
  ExpectSameLength(Render(L"你好"), mandarin);
}

class ForeignToken : public VoiceToken {
  HRESULT GetStringValue(const wchar_t*, std::wstring*) override { return kSpeechNotFound; }
};

TEST_F(BuiltInVoicesTest, ForeignTokensAndStreamsAreRefused) {
  EXPECT_EQ(voice_->SetVoice(std::make_shared<ForeignToken>()), E_INVALIDARG);
  class ForeignStream : public OutputStream {
    HRESULT GetFormat(GUID*, WAVEFORMATEX*) override { return E_NOTIMPL; }
  };
  EXPECT_EQ(voice_->SetOutput(std::make_shared<ForeignStream>(), true), E_INVALIDARG);
}

TEST(BuiltInPlatformTest, AMissingDataFolderGivesNoEngine) {
  EXPECT_FALSE(CreateBuiltInSpeechPlatform(L"C:\\no-such-folder\\espeak-ng-data"));
}

// Copies a folder tree; false on the first failure.
bool CopyTree(const std::wstring& from, const std::wstring& to) {
  if (!CreateDirectoryW(to.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS) return false;
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW((from + L"\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return false;
  bool ok = true;
  do {
    std::wstring name = found.cFileName;
    if (name == L"." || name == L"..") continue;
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) ok = CopyTree(from + L"\\" + name, to + L"\\" + name);
    else ok = CopyFileW((from + L"\\" + name).c_str(), (to + L"\\" + name).c_str(), FALSE);
  } while (ok && FindNextFileW(search, &found));
  FindClose(search);
  return ok;
}

// eSpeak opens its data through the ANSI functions. CTest runs every case in a
// process of its own, so here the engine starts from the copy.
TEST(BuiltInPlatformTest, DataInAFolderWithAChineseNameIsFound) {
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  std::wstring folder = std::wstring(temp) + L"语音数据_" + std::to_wstring(GetCurrentProcessId());
  ASSERT_TRUE(CopyTree(espeak::DataFolderNextToExe(), folder));
  auto platform = CreateBuiltInSpeechPlatform(folder);
  ASSERT_TRUE(platform);
  std::unique_ptr<SpeechVoice> voice;
  ASSERT_EQ(platform->CreateVoice(&voice), S_OK);
  std::wstring path = folder + L"\\你好.wav";
  std::shared_ptr<OutputStream> file;
  WAVEFORMATEX format = espeak::EngineFormat();
  ASSERT_EQ(platform->BindToFile(path.c_str(), kFileModeCreateAlways, kWaveFormatExFormatId, format, 0, &file), S_OK);
  ASSERT_EQ(voice->SetOutput(file, true), S_OK);
  ASSERT_EQ(voice->Speak(L"你好", 0, nullptr), S_OK);
  voice->SetOutput(nullptr, true);
  file.reset();
  EXPECT_GT(ReadWav(path).Rms(), 500);
  SHFILEOPSTRUCTW remove{};
  std::wstring from = folder + L'\0';  // a list of names, ended by an empty one
  remove.wFunc = FO_DELETE;
  remove.pFrom = from.c_str();
  remove.fFlags = FOF_NO_UI;
  SHFileOperationW(&remove);
}

}  // namespace
}  // namespace vx::test
