#include <windows.h>

#include <shellapi.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "speech/platform/espeak/audio_output.h"
#include "speech/platform/espeak/espeak_library.h"
#include "speech/platform/espeak/text_pieces.h"
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
  EXPECT_EQ(
      platform_->GetCategoryFromId(L"HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Speech\\Recognizers", false, &category),
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
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
      ok = CopyTree(from + L"\\" + name, to + L"\\" + name);
    else
      ok = CopyFileW((from + L"\\" + name).c_str(), (to + L"\\" + name).c_str(), FALSE);
  } while (ok && FindNextFileW(search, &found));
  FindClose(search);
  return ok;
}

// A copy of the data next to the exe in a folder under the temp folder, removed
// with everything in it when the test ends.
class DataCopy {
 public:
  explicit DataCopy(const std::wstring& name) {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    folder_ = std::wstring(temp) + name + L"_" + std::to_wstring(GetCurrentProcessId());
    copied_ = CopyTree(espeak::DataFolderNextToExe(), folder_);
  }
  ~DataCopy() {
    SHFILEOPSTRUCTW remove{};
    std::wstring from = folder_ + L'\0';  // a list of names, ended by an empty one
    remove.wFunc = FO_DELETE;
    remove.pFrom = from.c_str();
    remove.fFlags = FOF_NO_UI;
    SHFileOperationW(&remove);
  }
  bool copied() const { return copied_; }
  const std::wstring& folder() const { return folder_; }

 private:
  std::wstring folder_;
  bool copied_;
};

// What the engine on that folder lists, and how loud each voice says its test text
// into a WAV file in the folder.
struct Heard {
  std::vector<std::wstring> voices;
  std::vector<double> rms;
};
Heard ListAndSpeak(const std::wstring& folder) {
  Heard heard;
  auto platform = CreateBuiltInSpeechPlatform(folder);
  if (!platform) return heard;
  std::unique_ptr<SpeechVoice> voice;
  EXPECT_EQ(platform->CreateVoice(&voice), S_OK);
  for (const std::shared_ptr<VoiceToken>& token : AllTokens(*platform)) {
    heard.voices.push_back(Value(*token, L"409"));
    EXPECT_EQ(voice->SetVoice(token), S_OK);
    std::wstring path = folder + L"\\朗读.wav";
    std::shared_ptr<OutputStream> file;
    EXPECT_EQ(platform->BindToFile(path.c_str(), kFileModeCreateAlways, kWaveFormatExFormatId, espeak::EngineFormat(),
                                   0, &file),
              S_OK);
    EXPECT_EQ(voice->SetOutput(file, true), S_OK);
    EXPECT_EQ(voice->Speak(L"你好, hello", 0, nullptr), S_OK);
    voice->SetOutput(nullptr, true);
    file.reset();
    heard.rms.push_back(ReadWav(path).Rms());
  }
  return heard;
}

// eSpeak takes its data folder as UTF-8, so a name that the system's code page (here
// 936) cannot write still works. CTest runs every case in a process of its own, so
// in each of these the engine starts from the copy.
TEST(BuiltInPlatformTest, DataInAFolderNamedInAnyScriptIsFound) {
  const std::wstring name = L"语音数据 ✓ 한국어";
  BOOL lossy = FALSE;
  WideCharToMultiByte(936, WC_NO_BEST_FIT_CHARS, name.c_str(), -1, nullptr, 0, nullptr, &lossy);
  ASSERT_TRUE(lossy) << "the name must lie outside the ANSI code page";
  DataCopy copy(name);
  ASSERT_TRUE(copy.copied());
  Heard heard = ListAndSpeak(copy.folder());
  EXPECT_EQ(heard.voices, (std::vector<std::wstring>{L"eSpeak NG Chinese (Mandarin)", L"eSpeak NG English"}));
  for (double rms : heard.rms) EXPECT_GT(rms, 500);
}

// Without its dictionary a voice would say nothing: it is not listed, and the other
// voice speaks.
TEST(BuiltInPlatformTest, AVoiceWithoutItsDictionaryIsNotListed) {
  DataCopy copy(L"语音数据");
  ASSERT_TRUE(copy.copied());
  ASSERT_TRUE(DeleteFileW((copy.folder() + L"\\cmn_dict").c_str()));
  Heard heard = ListAndSpeak(copy.folder());
  EXPECT_EQ(heard.voices, std::vector<std::wstring>{L"eSpeak NG English"});
  ASSERT_EQ(heard.rms.size(), 1u);
  EXPECT_GT(heard.rms[0], 500);
}

// eSpeak holds one voice at a time: switching reloads it (and its dictionary), so
// the engine loads a voice only when another one spoke last. A mixed text read by
// the Mandarin voice, Latin words and all, needs no other voice.
TEST_F(BuiltInVoicesTest, AVoiceIsLoadedOnlyWhenItChanges) {
  auto tokens = AllTokens(*platform_);
  ASSERT_EQ(tokens.size(), 2u);
  Render(L"你好");
  uint64_t loads = espeak::VoiceLoads();
  Render(L"今天我们用 Python 写了一个小程序。老师说发 email 比寄信快得多。他每天早上都要喝一杯 coffee。");
  EXPECT_EQ(espeak::VoiceLoads(), loads);
  ASSERT_EQ(voice_->SetVoice(tokens[1]), S_OK);
  Render(L"Hello.");
  Render(L"Hello again.");
  EXPECT_EQ(espeak::VoiceLoads(), loads + 1);
  ASSERT_EQ(voice_->SetVoice(tokens[0]), S_OK);
  Render(L"你好");
  EXPECT_EQ(espeak::VoiceLoads(), loads + 2);

  // Two voices speaking at once into files take turns of several pieces, so the
  // voices are loaded far less often than once a piece.
  std::wstring mandarin, english;
  for (int i = 0; i < 20; ++i) {
    mandarin += L"春天来了，花都开了，小鸟在树上唱歌。今天天气很好，我们一起去公园散步吧。";
    english += L"Spring has come and the flowers are out. The birds are singing in the trees. ";
  }
  std::unique_ptr<SpeechVoice> other;
  ASSERT_EQ(platform_->CreateVoice(&other), S_OK);
  ASSERT_EQ(other->SetVoice(tokens[1]), S_OK);
  std::shared_ptr<OutputStream> first, second;
  ASSERT_EQ(BindFile(Path(L"mandarin.wav"), &first), S_OK);
  ASSERT_EQ(BindFile(Path(L"english.wav"), &second), S_OK);
  ASSERT_EQ(voice_->SetOutput(first, true), S_OK);
  ASSERT_EQ(other->SetOutput(second, true), S_OK);
  loads = espeak::VoiceLoads();
  ASSERT_EQ(voice_->Speak(mandarin.c_str(), kSpeakAsync, nullptr), S_OK);
  ASSERT_EQ(other->Speak(english.c_str(), kSpeakAsync, nullptr), S_OK);
  EXPECT_EQ(voice_->WaitUntilDone(kWaitInfinite), S_OK);
  EXPECT_EQ(other->WaitUntilDone(kWaitInfinite), S_OK);
  size_t pieces = SplitIntoPieces(mandarin).size() + SplitIntoPieces(english).size();
  std::printf("%llu voice loads for %zu pieces\n", static_cast<unsigned long long>(espeak::VoiceLoads() - loads),
              pieces);
  EXPECT_LE(espeak::VoiceLoads() - loads, pieces / 2);
}

}  // namespace
}  // namespace vx::test
