// The speech object over the SAPI engine with fake SAPI objects behind it: the
// exact SAPI calls, masks, flags and formats each method makes.
#include <gtest/gtest.h>
#include <objbase.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "runtime/framework/unit_object.h"
#include "runtime/runtime_notify.h"
#include "speech/platform/sapi/sapi_platform.h"
#include "tests/speech/fake_sapi.h"
#include "tests/speech/speech_object.h"

namespace vx::test {
namespace {

using Calls = std::vector<std::string>;
namespace m = speech_method;

constexpr uint32_t kWindow = 0x52010001;
constexpr uint32_t kLabel = 0x16010003;
constexpr DataType kLabelType = 0x0001000A;

// The label the tests name as event target: a plain window behind a unit object,
// and what its window received.
UnitObject* testLabel = nullptr;
std::vector<WPARAM> labelMessages;
// What the label's Feedback handler does besides recording the event.
std::function<void()> labelHandler;

LRESULT CALLBACK LabelProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kWmSpeechEvent) {
    EXPECT_EQ(lParam, 0);
    labelMessages.push_back(wParam);
    if (labelHandler) labelHandler();
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

// The runtime as far as the speech library asks it: the label by its UnitRef,
// and memory.
intptr_t TestRuntime(int32_t code, intptr_t param1, intptr_t param2) {
  if (code == notify::kUnitObject) {
    bool isLabel = static_cast<uint32_t>(param1) == kWindow && static_cast<uint32_t>(param2) == kLabel;
    return isLabel && testLabel ? reinterpret_cast<intptr_t>(testLabel) : 0;
  }
  return RuntimeNotify(code, param1, param2);
}

class SapiSpeechUnitTest : public ::testing::Test {
 protected:
  void SetUp() override {
    CoInitialize(nullptr);
    ASSERT_EQ(SpeechLibraryNotify(library_notice::kStart, reinterpret_cast<intptr_t>(&TestRuntime), 0), 0);
    sapi_.tokens = {{{L"", L"English voice"}, {L"409", L"Microsoft Simplified CHINESE voice"}},
                    {{L"", L"默认"}, {L"804", L"中文女声"}}};
    UseSpeechPlatform(CreateSapiSpeechPlatform(sapi_.Creator()));
  }
  void TearDown() override {
    object_.reset();
    UseSpeechPlatform(nullptr);
    EXPECT_EQ(sapi_.liveObjects, 0) << "every SAPI object released";
    if (testLabel) {
      HWND window = testLabel->handle();
      testLabel->Detach();
      DestroyWindow(window);
    }
    delete testLabel;
    testLabel = nullptr;
    labelMessages.clear();
    labelHandler = nullptr;
    CoUninitialize();
  }

  // The label unit the tests name as event target.
  void MakeLabel() {
    HWND window = CreateWindowW(L"STATIC", L"标签1", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&LabelProc));
    testLabel = new UnitObject(kWindow, kLabel);
    testLabel->Attach(window);
  }
  void NameLabel() {
    object_->Call(m::kSpeakText, {Int(3), Text(""), Omitted(), UnitRef(kWindow, kLabel, kLabelType)});
  }

  void Create() {
    object_ = std::make_unique<SpeechObject>();
    object_->Call(m::kCreate);
    ASSERT_NE(object_->state(), nullptr);
  }
  // The calls logged from now on.
  Calls Next() {
    Calls next(sapi_.calls.begin() + static_cast<std::ptrdiff_t>(seen_), sapi_.calls.end());
    seen_ = sapi_.calls.size();
    return next;
  }

  FakeSapi sapi_;
  std::unique_ptr<SpeechObject> object_;
  size_t seen_ = 0;
};

TEST_F(SapiSpeechUnitTest, CreateMakesTheVoiceSetsInterestAndCallbackAndPrefersAChineseVoice) {
  sapi_.tokens = {{{L"", L"English voice"}}, {{L"", L"Microsoft Simplified CHINESE voice"}}, {{L"", L"中文女声"}}};
  Create();
  Calls expected = {
      "Create(SpVoice,7,ISpVoice)",
      "Voice.SetInterest(0x240000006,0x240000006)",
      "Voice.SetNotifyCallbackFunction(0x0)",
      "Create(SpObjectTokenCategory,7,ISpObjectTokenCategory)",
      "Category.SetId(HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Speech\\Voices,0)",
      "Category.EnumTokens(\"\",\"\")",
  };
  Calls calls = Next();
  ASSERT_GE(calls.size(), expected.size());
  EXPECT_EQ(Calls(calls.begin(), calls.begin() + 6), expected);
  EXPECT_EQ(calls.back(), "Voice.SetVoice(Token1)");
  EXPECT_EQ(sapi_.currentVoice, 1) << "the first match wins, in any letter case";
  EXPECT_EQ(sapi_.callbackWParam, reinterpret_cast<WPARAM>(object_->state()));
  EXPECT_TRUE(object_->Logical(m::kIsAvailable));
}

TEST_F(SapiSpeechUnitTest, ASecondCreateKeepsTheVoice) {
  Create();
  SpeechState* first = object_->state();
  Next();
  object_->Call(m::kCreate);
  EXPECT_EQ(object_->state(), first);
  EXPECT_EQ(Next(), Calls{});
}

TEST_F(SapiSpeechUnitTest, VoiceThatCannotBeCreatedLeavesTheObjectNotCreated) {
  sapi_.createVoiceAnswer = REGDB_E_CLASSNOTREG;
  object_ = std::make_unique<SpeechObject>();
  object_->Call(m::kCreate);
  EXPECT_EQ(object_->words()[0], 0u);
  EXPECT_EQ(object_->words()[1], 0u);
  EXPECT_FALSE(object_->Logical(m::kIsAvailable));
  EXPECT_FALSE(object_->Logical(m::kSpeakText, {Int(0), Text("你好")}));
  EXPECT_FALSE(object_->Logical(m::kSetVolume, {Int(50)}));
  EXPECT_FALSE(object_->Logical(m::kPauseSpeaking));
  EXPECT_FALSE(object_->Logical(m::kSelectVoice, {Text("English voice")}));
  EXPECT_EQ(object_->Voices(), std::vector<std::string>{});
  object_->Call(m::kDestroy);
  object_->Call(m::kDestroy);
  EXPECT_EQ(object_->words()[0], 0u);
}

TEST_F(SapiSpeechUnitTest, SpeakTextUsesTheAsynchronousFlagsOfEachMode) {
  Create();
  Next();
  EXPECT_TRUE(object_->Logical(m::kSpeakText, {Int(0), Text("你好")}));
  EXPECT_TRUE(object_->Logical(m::kSpeakText, {Int(1), Text("C:\\文本.txt")}));
  EXPECT_TRUE(object_->Logical(m::kSpeakText, {Int(2), Text("<rate speed=\"2\">快</rate>")}));
  EXPECT_TRUE(object_->Logical(m::kSpeakText, {Int(3), Text("不说")}));
  EXPECT_EQ(Next(), (Calls{"Voice.Speak(你好,1)", "Voice.Speak(C:\\文本.txt,5)",
                           "Voice.Speak(<rate speed=\"2\">快</rate>,9)"}));
  EXPECT_FALSE(object_->Logical(m::kSpeakText, {Int(4), Text("x")}));
  EXPECT_FALSE(object_->Logical(m::kSpeakText, {Int(-1), Text("x")}));
  EXPECT_EQ(Next(), Calls{});
}

TEST_F(SapiSpeechUnitTest, SpeakTextWaitsOnlyForANonZeroWaitTime) {
  Create();
  Next();
  object_->Call(m::kSpeakText, {Int(0), Text("a"), Int(0)});
  object_->Call(m::kSpeakText, {Int(0), Text("b"), Omitted()});
  object_->Call(m::kSpeakText, {Int(0), Text("c"), Int(-5)});
  object_->Call(m::kSpeakText, {Int(0), Text("d"), Int(1500)});
  EXPECT_EQ(Next(), (Calls{"Voice.Speak(a,1)", "Voice.Speak(b,1)", "Voice.Speak(c,1)",
                           "Voice.WaitUntilDone(0xFFFFFFFF)", "Voice.Speak(d,1)", "Voice.WaitUntilDone(0x5DC)"}));
}

TEST_F(SapiSpeechUnitTest, StopPauseResumeRateAndVolumeMakeOneCallEachWithinTheirRanges) {
  Create();
  Next();
  EXPECT_TRUE(object_->Logical(m::kStopSpeaking));
  EXPECT_TRUE(object_->Logical(m::kPauseSpeaking));
  EXPECT_TRUE(object_->Logical(m::kResumeSpeaking));
  EXPECT_TRUE(object_->Logical(m::kSetRate, {Int(-10)}));
  EXPECT_TRUE(object_->Logical(m::kSetRate, {Int(10)}));
  EXPECT_TRUE(object_->Logical(m::kSetVolume, {Int(100)}));
  EXPECT_TRUE(object_->Logical(m::kSetVolume, {Int(0)}));
  EXPECT_EQ(Next(), (Calls{"Voice.Speak((null),2)", "Voice.Pause", "Voice.Resume", "Voice.SetRate(-10)",
                           "Voice.SetRate(10)", "Voice.SetVolume(100)", "Voice.SetVolume(0)"}));
  EXPECT_FALSE(object_->Logical(m::kSetRate, {Int(11)}));
  EXPECT_FALSE(object_->Logical(m::kSetRate, {Int(-11)}));
  EXPECT_FALSE(object_->Logical(m::kSetVolume, {Int(101)}));
  EXPECT_FALSE(object_->Logical(m::kSetVolume, {Int(-1)}));
  EXPECT_EQ(Next(), Calls{});
}

// The rendering is a second voice's: the first voice may be paused or speaking, and
// neither holds the rendering up. The second voice is made once and configured
// like the first for every rendering.
TEST_F(SapiSpeechUnitTest, SpeakToWaveFileRendersOnASecondVoiceConfiguredLikeTheFirst) {
  Create();
  ASSERT_TRUE(object_->Logical(m::kSetRate, {Int(-4)}));
  ASSERT_TRUE(object_->Logical(m::kSetVolume, {Int(35)}));
  Next();
  EXPECT_TRUE(object_->Logical(m::kSpeakToWaveFile, {Int(0), Text("你好"), Text("C:\\声音.wav")}));
  Calls expected = {
      "Voice.GetOutputStream",
      "Audio.GetFormat",
      "Create(SpVoice,7,ISpVoice)",
      "Voice2.SetInterest(0x240000006,0x240000006)",
      "Voice2.SetNotifyCallbackFunction(0x0)",
      "Voice.GetVoice",
      "Voice2.SetVoice(Token1)",
      "Voice.GetRate",
      "Voice2.SetRate(-4)",
      "Voice.GetVolume",
      "Voice2.SetVolume(35)",
      "Create(SpStream,7,ISpStream)",
      "File.BindToFile(C:\\声音.wav,3,{C31ADBAE-527F-4FF5-A230-F62BB61FF70C},0xEFFFFFFFFFFFFFFF)",
      "Voice2.SetOutput(File,1)",
      "Voice2.Speak(你好,0)",
      "Voice2.SetOutput(null,1)",
  };
  EXPECT_EQ(Next(), expected);
  EXPECT_EQ(sapi_.boundFormat, sapi_.outputFormat) << "the whole WAVEFORMATEX block, extra bytes too";
  EXPECT_EQ(sapi_.laterVoiceWParam, reinterpret_cast<WPARAM>(object_->state())) << "events go to the forwarder";

  object_->Call(m::kSpeakToWaveFile, {Int(1), Text("a.txt"), Text("b.wav")});
  object_->Call(m::kSpeakToWaveFile, {Int(2), Text("<x/>"), Text("c.wav")});
  object_->Call(m::kSpeakToWaveFile, {Int(3), Text("x"), Text("d.wav")});
  EXPECT_EQ(sapi_.CallsStartingWith("Voice2.Speak"),
            (Calls{"Voice2.Speak(你好,0)", "Voice2.Speak(a.txt,4)", "Voice2.Speak(<x/>,8)"}));
  EXPECT_EQ(sapi_.CallsStartingWith("Create(SpVoice").size(), 2u) << "one second voice";
  EXPECT_EQ(sapi_.CallsStartingWith("Voice2.SetOutput").size(), 8u) << "mode 3 switches without speaking";
  EXPECT_FALSE(sapi_.Called("Voice.SetOutput")) << "the first voice's output is never touched";
  EXPECT_FALSE(object_->Logical(m::kSpeakToWaveFile, {Int(4), Text("x"), Text("d.wav")}));
}

TEST_F(SapiSpeechUnitTest, SpeakToWaveFileIsFalseWhenTheFileOrTheRenderingFails) {
  Create();
  Next();
  sapi_.bindAnswer = STG_E_PATHNOTFOUND;
  EXPECT_FALSE(object_->Logical(m::kSpeakToWaveFile, {Int(0), Text("你好"), Text("Q:\\没有\\a.wav")}));
  EXPECT_FALSE(sapi_.Called("Voice2.SetOutput"));
  EXPECT_FALSE(sapi_.Called("Voice2.Speak"));
  sapi_.bindAnswer = S_OK;
  sapi_.speakAnswer = E_FAIL;
  EXPECT_FALSE(object_->Logical(m::kSpeakToWaveFile, {Int(0), Text("你好"), Text("C:\\a.wav")}));
  EXPECT_EQ(Calls(sapi_.calls.end() - 2, sapi_.calls.end()),
            (Calls{"Voice2.Speak(你好,0)", "Voice2.SetOutput(null,1)"}));
}

TEST_F(SapiSpeechUnitTest, SpeakToWaveFileRefusesNamesOverTwoHundredFiftyNineUnits) {
  Create();
  Next();
  std::string longest = "C:\\" + std::string(256, 'a');  // 259 units
  std::string tooLong = longest + "b";
  std::string chinese = "C:\\" + [] {
    std::string s;
    for (int i = 0; i < 257; ++i) s += "声";  // 260 units, 517 bytes
    return s;
  }();
  EXPECT_TRUE(object_->Logical(m::kSpeakToWaveFile, {Int(3), Text(""), Text(longest.c_str())}));
  Next();
  EXPECT_FALSE(object_->Logical(m::kSpeakToWaveFile, {Int(0), Text("x"), Text(tooLong.c_str())}));
  EXPECT_FALSE(object_->Logical(m::kSpeakToWaveFile, {Int(0), Text("x"), Text(chinese.c_str())}));
  EXPECT_EQ(sapi_.CallsStartingWith("File.BindToFile").size(), 1u);
}

TEST_F(SapiSpeechUnitTest, EventsGoToTheNamedLabelOneMessageEach) {
  MakeLabel();
  Create();

  // No target yet: the events stay queued.
  sapi_.queuedEvents = {1};
  sapi_.Notify();
  EXPECT_TRUE(labelMessages.empty());
  EXPECT_EQ(sapi_.queuedEvents.size(), 1u);

  object_->Call(m::kSpeakText, {Int(0), Text("你好"), Omitted(), UnitRef(kWindow, kLabel, kLabelType)});
  sapi_.queuedEvents.push_back(2);
  sapi_.Notify();
  EXPECT_EQ(labelMessages, (std::vector<WPARAM>{1, 2}));
  EXPECT_EQ(sapi_.CallsStartingWith("Voice.GetEvents").back(), "Voice.GetEvents(1)");

  // A call without argument 4, then one naming an unknown unit: the label stays.
  object_->Call(m::kSpeakText, {Int(0), Text("再见")});
  object_->Call(m::kSpeakText, {Int(0), Text("再见"), Omitted(), UnitRef(kWindow, 0x16010099, kLabelType)});
  sapi_.queuedEvents = {1, 2};
  sapi_.Notify();
  EXPECT_EQ(labelMessages, (std::vector<WPARAM>{1, 2, 1, 2}));
}

// Rendered at once, a rendering's events come where they would have come had it
// been queued behind what the voice speaks: a reader that keeps the last event sees
// its paused or running speech as running until it ends.
TEST_F(SapiSpeechUnitTest, ARenderingsEventsFollowOnceTheVoiceHasNothingLeftToSpeak) {
  MakeLabel();
  Create();
  NameLabel();
  ASSERT_TRUE(object_->Logical(m::kSpeakToWaveFile, {Int(0), Text("你好"), Text("C:\\a.wav")}));
  sapi_.doneAnswer = S_FALSE;  // the first voice is paused or speaking
  sapi_.queuedEvents = {1};
  sapi_.laterVoiceEvents = {1, 2};
  sapi_.NotifyFromLaterVoice();
  EXPECT_EQ(labelMessages, (std::vector<WPARAM>{1}));
  sapi_.doneAnswer = S_OK;  // its item ended
  sapi_.queuedEvents = {2};
  sapi_.Notify();
  EXPECT_EQ(labelMessages, (std::vector<WPARAM>{1, 2, 1, 2}));
}

// The Feedback handler destroys the object, or re-creates it, while the forwarder
// still has events to send: the forwarder stops and touches nothing of the old state.
TEST_F(SapiSpeechUnitTest, AFeedbackHandlerMayDestroyOrRecreateTheObject) {
  MakeLabel();
  for (int method : {m::kDestroy, m::kReinitialize}) {
    sapi_.voicesMade = 0;  // the object's voice is "Voice" again
    Create();
    NameLabel();
    sapi_.queuedEvents = {1, 2, 1, 2};
    labelMessages.clear();
    labelHandler = [&, method] {
      object_->Call(method);
      labelHandler = nullptr;
    };
    Next();
    sapi_.Notify();
    EXPECT_EQ(labelMessages, (std::vector<WPARAM>{1})) << method;
    Calls calls = Next();
    EXPECT_EQ(std::count(calls.begin(), calls.end(), "Voice.GetEvents(1)"), 1) << "none after the handler";
    EXPECT_EQ(object_->state() != nullptr, method == m::kReinitialize);
    object_.reset();
    sapi_.queuedEvents.clear();
  }
}

TEST_F(SapiSpeechUnitTest, DestroyReleasesTheVoiceAndReinitializeMakesANewOne) {
  Create();
  object_->Call(m::kReinitialize);
  EXPECT_NE(object_->state(), nullptr);
  EXPECT_EQ(sapi_.CallsStartingWith("Create(SpVoice").size(), 2u);
  object_->Call(m::kDestroy);
  EXPECT_EQ(object_->words()[0], 0u);
  EXPECT_EQ(sapi_.liveObjects, 0);
}

}  // namespace
}  // namespace vx::test
