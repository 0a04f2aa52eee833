// The SAPI engine's own calls against fake SAPI objects, and the choice between
// SAPI and the built-in engine.
#include <gtest/gtest.h>

#include <objbase.h>

#include <memory>
#include <string>
#include <vector>

#include "speech/platform/sapi/sapi_platform.h"
#include "speech/platform/speech_platform_choice.h"
#include "tests/speech/fake_sapi.h"

namespace vx::test {
namespace {

using Calls = std::vector<std::string>;

class SapiPlatformTest : public ::testing::Test {
 protected:
  void SetUp() override { CoInitialize(nullptr); }
  void TearDown() override {
    platform_.reset();
    EXPECT_EQ(sapi_.liveObjects, 0);
    CoUninitialize();
  }

  FakeSapi sapi_;
  std::unique_ptr<SpeechPlatform> platform_ = CreateSapiSpeechPlatform(sapi_.Creator());
};

TEST_F(SapiPlatformTest, VoiceCallsPassThroughUnchanged) {
  std::unique_ptr<SpeechVoice> voice;
  ASSERT_EQ(platform_->CreateVoice(&voice), S_OK);
  EXPECT_EQ(voice->SetInterest(0x0000000240000006ull, 0x0000000240000006ull), S_OK);
  sapi_.queuedEvents = {1, 2};
  SpeechEvent events[3];
  ULONG fetched = 0;
  EXPECT_EQ(voice->GetEvents(3, events, &fetched), S_FALSE);
  ASSERT_EQ(fetched, 2u);
  EXPECT_EQ(events[0].eventId, 1);
  EXPECT_EQ(events[1].eventId, 2);
  EXPECT_EQ(events[1].streamNumber, 1u);
  EXPECT_EQ(voice->GetEvents(1, events, nullptr), S_FALSE);
  EXPECT_EQ(voice->SetOutput(nullptr, true), S_OK);
  EXPECT_EQ(sapi_.calls, (Calls{"Create(SpVoice,7,ISpVoice)", "Voice.SetInterest(0x240000006,0x240000006)",
                                "Voice.GetEvents(3)", "Voice.GetEvents(1)", "Voice.SetOutput(null,1)"}));
}

TEST_F(SapiPlatformTest, ForeignStreamsAndTokensAreRefused) {
  struct OtherStream : OutputStream {
    HRESULT GetFormat(GUID*, WAVEFORMATEX*) override { return S_OK; }
  };
  struct OtherToken : VoiceToken {
    HRESULT GetStringValue(const wchar_t*, std::wstring*) override { return S_OK; }
  };
  std::unique_ptr<SpeechVoice> voice;
  ASSERT_EQ(platform_->CreateVoice(&voice), S_OK);
  EXPECT_EQ(voice->SetOutput(std::make_shared<OtherStream>(), true), E_INVALIDARG);
  EXPECT_EQ(voice->SetVoice(std::make_shared<OtherToken>()), E_INVALIDARG);
}

TEST_F(SapiPlatformTest, OutputFormatComesWithItsExtraBytes) {
  std::unique_ptr<SpeechVoice> voice;
  ASSERT_EQ(platform_->CreateVoice(&voice), S_OK);
  std::shared_ptr<OutputStream> output;
  ASSERT_EQ(voice->GetOutputStream(&output), S_OK);
  GUID formatId;
  std::vector<BYTE> block;
  ASSERT_EQ(output->GetFormatBlock(&formatId, &block), S_OK);
  EXPECT_TRUE(IsEqualGUID(formatId, kWaveFormatExFormatId));
  EXPECT_EQ(block, sapi_.outputFormat);
  WAVEFORMATEX format;
  ASSERT_EQ(output->GetFormat(&formatId, &format), S_OK);
  EXPECT_EQ(format.nSamplesPerSec, 22050u);
}

TEST_F(SapiPlatformTest, BindToFileIsAnSpStreamBoundWithTheGivenModeFormatAndInterest) {
  std::vector<BYTE> format = sapi_.outputFormat;
  std::shared_ptr<OutputStream> file;
  ASSERT_EQ(platform_->BindToFile(L"C:\\文件.wav", kFileModeCreateAlways, kWaveFormatExFormatId,
                                  *reinterpret_cast<const WAVEFORMATEX*>(format.data()), 0xEFFFFFFFFFFFFFFFull, &file),
            S_OK);
  ASSERT_TRUE(file);
  EXPECT_EQ(sapi_.calls, (Calls{"Create(SpStream,7,ISpStream)",
                                "File.BindToFile(C:\\文件.wav,3,{C31ADBAE-527F-4FF5-A230-F62BB61FF70C},"
                                "0xEFFFFFFFFFFFFFFF)"}));
  EXPECT_EQ(sapi_.boundFormat, format);

  sapi_.bindAnswer = STG_E_PATHNOTFOUND;
  EXPECT_EQ(platform_->BindToFile(L"Q:\\无\\a.wav", kFileModeCreateAlways, kWaveFormatExFormatId,
                                  *reinterpret_cast<const WAVEFORMATEX*>(format.data()), 0, &file),
            STG_E_PATHNOTFOUND);
  EXPECT_FALSE(file);
}

TEST_F(SapiPlatformTest, CategoryTokensAndTheirValues) {
  sapi_.tokens = {{{L"", L"Default"}, {L"804", L"中文"}}};
  std::unique_ptr<VoiceCategory> category;
  ASSERT_EQ(platform_->GetCategoryFromId(kVoiceCategoryId, false, &category), S_OK);
  std::unique_ptr<VoiceTokenEnum> tokens;
  ASSERT_EQ(category->EnumTokens(L"", L"", &tokens), S_OK);
  ULONG count = 0;
  ASSERT_EQ(tokens->GetCount(&count), S_OK);
  EXPECT_EQ(count, 1u);
  std::shared_ptr<VoiceToken> token;
  ASSERT_EQ(tokens->Next(&token), S_OK);
  std::wstring value;
  EXPECT_EQ(token->GetStringValue(L"804", &value), S_OK);
  EXPECT_EQ(value, L"中文");
  EXPECT_EQ(token->GetStringValue(nullptr, &value), S_OK);
  EXPECT_EQ(value, L"Default");
  EXPECT_EQ(token->GetStringValue(L"409", &value), kSpeechNotFound);
  EXPECT_EQ(tokens->Next(&token), S_FALSE);
  EXPECT_FALSE(token);
  EXPECT_EQ(Calls(sapi_.calls.begin(), sapi_.calls.begin() + 3),
            (Calls{"Create(SpObjectTokenCategory,7,ISpObjectTokenCategory)",
                   "Category.SetId(HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Speech\\Voices,0)",
                   "Category.EnumTokens(\"\",\"\")"}));
}

// Stands for the built-in engine in the choice.
class MarkerPlatform : public SpeechPlatform {
 public:
  HRESULT CreateVoice(std::unique_ptr<SpeechVoice>*) override { return E_FAIL; }
  HRESULT BindToFile(const wchar_t*, int, const GUID&, const WAVEFORMATEX&, uint64_t,
                     std::shared_ptr<OutputStream>*) override {
    return E_FAIL;
  }
  HRESULT CreateMemoryStream(const GUID&, const WAVEFORMATEX&, std::shared_ptr<OutputStream>*) override {
    return E_FAIL;
  }
  HRESULT GetCategoryFromId(const wchar_t*, bool, std::unique_ptr<VoiceCategory>*) override { return E_FAIL; }
};
std::unique_ptr<SpeechPlatform> CreateMarker() { return std::make_unique<MarkerPlatform>(); }
std::unique_ptr<SpeechPlatform> CreateNothing() { return nullptr; }

TEST_F(SapiPlatformTest, WorkingSapiWithAVoiceIsChosen) {
  sapi_.tokens = {{{L"", L"Voice"}}};
  SpeechPlatform* sapi = platform_.get();
  std::unique_ptr<SpeechPlatform> chosen = ChooseSpeechPlatform(std::move(platform_), CreateMarker);
  EXPECT_EQ(chosen.get(), sapi);
  EXPECT_EQ(sapi_.calls,
            (Calls{"Create(SpVoice,7,ISpVoice)", "Voice.SetInterest(0x240000006,0x240000006)",
                   "Create(SpObjectTokenCategory,7,ISpObjectTokenCategory)",
                   "Category.SetId(HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Speech\\Voices,0)",
                   "Category.EnumTokens(\"\",\"\")", "Enum.Next(1)", "Voice.GetOutputStream", "Audio.GetFormat",
                   "Create(SpStream,7,ISpStream)", "Memory.SetBaseStream({C31ADBAE-527F-4FF5-A230-F62BB61FF70C})",
                   "Voice.SetOutput(Memory,1)", "Voice.Speak(1,0)"}));
}

// A SAPI that cannot speak: its calls answer E_NOTIMPL (Wine's stubs), or it has no
// voice installed, or its voices cannot be enumerated, or a voice is registered but
// its engine cannot render.
TEST_F(SapiPlatformTest, SapiThatCannotSpeakGivesTheBuiltInEngine) {
  struct Case {
    const char* what;
    HRESULT interestAnswer, enumAnswer, speakAnswer;
    std::vector<FakeTokenValues> tokens;
  };
  const Case cases[] = {{"not implemented", E_NOTIMPL, S_OK, S_OK, {{{L"", L"Voice"}}}},
                        {"no voice", S_OK, S_OK, S_OK, {}},
                        {"no enumeration", S_OK, E_FAIL, S_OK, {{{L"", L"Voice"}}}},
                        {"no working engine", S_OK, S_OK, REGDB_E_CLASSNOTREG, {{{L"", L"Voice"}}}}};
  for (const Case& c : cases) {
    sapi_.interestAnswer = c.interestAnswer;
    sapi_.enumAnswer = c.enumAnswer;
    sapi_.speakAnswer = c.speakAnswer;
    sapi_.tokens = c.tokens;
    std::unique_ptr<SpeechPlatform> chosen =
        ChooseSpeechPlatform(CreateSapiSpeechPlatform(sapi_.Creator()), CreateMarker);
    EXPECT_NE(dynamic_cast<MarkerPlatform*>(chosen.get()), nullptr) << c.what;
  }
}

TEST_F(SapiPlatformTest, SapiWithoutAVoiceGivesTheBuiltInEngineAndNeitherGivesNull) {
  sapi_.createVoiceAnswer = REGDB_E_CLASSNOTREG;
  EXPECT_NE(dynamic_cast<MarkerPlatform*>(
                ChooseSpeechPlatform(CreateSapiSpeechPlatform(sapi_.Creator()), CreateMarker).get()),
            nullptr);
  EXPECT_EQ(ChooseSpeechPlatform(std::move(platform_), CreateNothing), nullptr);
}

// The system's own SAPI: where it works it is chosen; Wine's stubs (voice created,
// SetInterest E_NOTIMPL) leave the built-in engine, which speaks.
TEST(SystemSpeechPlatform, ChoiceFollowsWhetherTheSystemSapiWorks) {
  CoInitialize(nullptr);
  {
    std::unique_ptr<SpeechPlatform> systemSapi = CreateSapiSpeechPlatform();
    bool sapiWorks = SpeechPlatformWorks(*systemSapi);
    std::unique_ptr<SpeechVoice> probe;
    if (SUCCEEDED(systemSapi->CreateVoice(&probe)) && !sapiWorks) {
      EXPECT_EQ(probe->SetInterest(0x0000000240000006ull, 0x0000000240000006ull), E_NOTIMPL)
          << "a SAPI voice that cannot take the interest is Wine's stub";
    }
    probe.reset();

    std::unique_ptr<SpeechPlatform> chosen = CreateSpeechPlatform();
    ASSERT_TRUE(chosen) << "the built-in engine's data lie next to the test exe";
    EXPECT_TRUE(SpeechPlatformWorks(*chosen)) << "the chosen engine renders, whichever it is";
    std::unique_ptr<SpeechVoice> voice;
    ASSERT_EQ(chosen->CreateVoice(&voice), S_OK);
    EXPECT_EQ(voice->SetInterest(0x0000000240000006ull, 0x0000000240000006ull), S_OK);
    std::shared_ptr<OutputStream> output;
    EXPECT_EQ(voice->GetOutputStream(&output), S_OK) << "the chosen engine has a real output";
    EXPECT_TRUE(output);
    std::printf("system SAPI %s\n", sapiWorks ? "works and is used" : "does not work; the built-in engine is used");
  }
  CoUninitialize();
}

}  // namespace
}  // namespace vx::test
