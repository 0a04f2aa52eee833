// The voice catalogue through the speech object's methods, over fake SAPI voices.
#include <gtest/gtest.h>

#include <objbase.h>

#include <memory>
#include <string>
#include <vector>

#include "runtime/heap.h"
#include "runtime/runtime_notify.h"
#include "speech/platform/sapi/sapi_platform.h"
#include "speech/voice_catalogue.h"
#include "speech/voice_text_rules.h"
#include "tests/speech/fake_sapi.h"
#include "tests/speech/speech_object.h"

namespace vx::test {
namespace {

using Texts = std::vector<std::string>;
namespace m = speech_method;

class VoiceCatalogueTest : public ::testing::Test {
 protected:
  void SetUp() override {
    CoInitialize(nullptr);
    SpeechLibraryNotify(library_notice::kStart, reinterpret_cast<intptr_t>(&RuntimeNotify), 0);
    UseSpeechPlatform(CreateSapiSpeechPlatform(sapi_.Creator()));
  }
  void TearDown() override {
    object_.reset();
    UseSpeechPlatform(nullptr);
    EXPECT_EQ(sapi_.liveObjects, 0);
    CoUninitialize();
  }
  SpeechObject& Object() {
    if (!object_) {
      object_ = std::make_unique<SpeechObject>();
      object_->Call(m::kCreate);
    }
    return *object_;
  }
  // Descriptions in the user's UI language, whatever it is here.
  static FakeTokenValues Described(const wchar_t* text) { return {{LanguageValueName(UiLanguageId()), text}}; }

  FakeSapi sapi_;
  std::unique_ptr<SpeechObject> object_;
};

TEST_F(VoiceCatalogueTest, TwoVoicesAreListedInOrderAndEitherCanBeSelected) {
  sapi_.tokens = {Described(L"Anna"), Described(L"晓晓")};
  EXPECT_EQ(Object().Voices(), (Texts{"Anna", "晓晓"}));
  EXPECT_TRUE(Object().Logical(m::kSelectVoice, {Text("晓晓")}));
  EXPECT_EQ(sapi_.currentVoice, 1);
  EXPECT_TRUE(Object().Logical(m::kSelectVoice, {Text("Anna")}));
  EXPECT_EQ(sapi_.currentVoice, 0);
}

TEST_F(VoiceCatalogueTest, SelectionIsByteExact) {
  sapi_.tokens = {Described(L"Anna"), Described(L"晓晓")};
  Object();
  sapi_.currentVoice = -1;
  EXPECT_FALSE(Object().Logical(m::kSelectVoice, {Text("anna")}));
  EXPECT_FALSE(Object().Logical(m::kSelectVoice, {Text("Anna ")}));
  EXPECT_FALSE(Object().Logical(m::kSelectVoice, {Text("晓晓 ")}));
  EXPECT_FALSE(Object().Logical(m::kSelectVoice, {Text("")}));
  EXPECT_EQ(sapi_.currentVoice, -1) << "the current voice is unchanged";
}

TEST_F(VoiceCatalogueTest, TheFirstChineseVoiceInAnyLetterCaseWinsAtCreate) {
  sapi_.tokens = {Described(L"English voice"), Described(L"Microsoft CHINESE voice"), Described(L"中文女声")};
  Object();
  EXPECT_EQ(sapi_.currentVoice, 1);
}

TEST_F(VoiceCatalogueTest, NoMatchingVoiceLeavesTheDefault) {
  sapi_.tokens = {Described(L"English voice"), Described(L"Deutsch")};
  Object();
  EXPECT_EQ(sapi_.currentVoice, -1);
  EXPECT_FALSE(sapi_.Called("Voice.SetVoice"));
}

TEST_F(VoiceCatalogueTest, NoVoicesGiveAnEmptyArrayAndFalse) {
  MDATA result = Object().Call(m::kListVoices);
  ASSERT_NE(result.block, nullptr);
  EXPECT_EQ(result.type, type::kText | type::kArrayBit);
  EXPECT_EQ(result.block[0], 1);
  EXPECT_EQ(result.block[1], 0);
  EXPECT_EQ(result.block[2], 0);
  Free(result.block);
  EXPECT_FALSE(Object().Logical(m::kSelectVoice, {Text("Anna")}));
}

TEST_F(VoiceCatalogueTest, UnreadableOrEmptyDescriptionsAreNullElementsAndAreSkipped) {
  sapi_.tokens = {{{L"123", L"other language only"}}, Described(L""), Described(L"Anna")};
  EXPECT_EQ(Object().Voices(), (Texts{"(null)", "(null)", "Anna"}));
  EXPECT_TRUE(Object().Logical(m::kSelectVoice, {Text("Anna")}));
  EXPECT_EQ(sapi_.currentVoice, 2);
}

TEST_F(VoiceCatalogueTest, FailingEnumerationGivesTheEmptyList) {
  sapi_.tokens = {Described(L"Anna")};
  sapi_.enumAnswer = S_FALSE;  // not full success
  EXPECT_EQ(Object().Voices(), Texts{});
  EXPECT_FALSE(Object().Logical(m::kSelectVoice, {Text("Anna")}));
}

TEST_F(VoiceCatalogueTest, FailingSetVoiceStopsAtTheFirstMatch) {
  sapi_.tokens = {Described(L"Anna"), Described(L"Anna")};
  Object();
  sapi_.setVoiceAnswer = E_FAIL;
  size_t before = sapi_.CallsStartingWith("Voice.SetVoice").size();
  EXPECT_FALSE(Object().Logical(m::kSelectVoice, {Text("Anna")}));
  EXPECT_EQ(sapi_.CallsStartingWith("Voice.SetVoice").size(), before + 1);
}

TEST_F(VoiceCatalogueTest, DescriptionsFollowTheLanguageIdWithTheDefaultAsFallback) {
  sapi_.tokens = {{{L"", L"Default"}, {L"804", L"中文说明"}, {L"409", L"English text"}}};
  std::unique_ptr<SpeechPlatform> platform = CreateSapiSpeechPlatform(sapi_.Creator());
  std::unique_ptr<VoiceCategory> category;
  ASSERT_EQ(platform->GetCategoryFromId(kVoiceCategoryId, false, &category), S_OK);
  std::unique_ptr<VoiceTokenEnum> tokens;
  ASSERT_EQ(category->EnumTokens(L"", L"", &tokens), S_OK);
  std::shared_ptr<VoiceToken> token;
  ASSERT_EQ(tokens->Next(&token), S_OK);
  std::string text;
  ASSERT_TRUE(ReadVoiceDescription(*token, 0x0804, &text));
  EXPECT_EQ(text, "中文说明");
  ASSERT_TRUE(ReadVoiceDescription(*token, 0x0409, &text));
  EXPECT_EQ(text, "English text");
  ASSERT_TRUE(ReadVoiceDescription(*token, 0x0411, &text));
  EXPECT_EQ(text, "Default");
  EXPECT_EQ(sapi_.CallsStartingWith("Token0.GetStringValue"),
            (std::vector<std::string>{"Token0.GetStringValue(804)", "Token0.GetStringValue(409)",
                                      "Token0.GetStringValue(411)", "Token0.GetStringValue((null))"}));
}

TEST(UiLanguage, IsTheUsersUserInterfaceLanguage) {
  EXPECT_NE(UiLanguageId(), 0);
  EXPECT_EQ(UiLanguageId(), GetUserDefaultUILanguage());
}

}  // namespace
}  // namespace vx::test
