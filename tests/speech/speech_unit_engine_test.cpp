// The speech object on the built-in engine, called as compiled code calls it: WAV
// files from Chinese text under Chinese names, events at a real unit's window
// found through the runtime's window table, and pause and resume from other
// threads while the GUI thread speaks.
#include <gtest/gtest.h>
#include <objbase.h>

#include <atomic>
#include <cmath>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "runtime/framework/gbk.h"
#include "runtime/helper_operations.h"
#include "runtime/runtime_notify.h"
#include "runtime/runtime_state.h"
#include "runtime/template/template_writer.h"
#include "speech/platform/espeak/audio_output.h"
#include "speech/platform/espeak/espeak_platform.h"
#include "tests/speech/speech_fixture.h"
#include "tests/speech/speech_object.h"
#include "tests/support/program_fixture.h"
#include "tests/support/test_units.h"
#include "units/unit_types/core_unit_types.h"

namespace vx::test {
namespace {

namespace m = speech_method;

constexpr uint32_t kWindow = 0x52010001;
constexpr uint32_t kOwnUnit = 0x06010000;
constexpr uint32_t kEdit = 0x16010001;

const char kHelloWorld[] = "你好，世界";
const char kLongText[] =
    "春天来了，花都开了，小鸟在树上唱歌。今天天气很好，我们一起去公园散步吧。"
    "公园里有很多人，有的在跑步，有的在打太极拳，还有的在湖边钓鱼。";

std::vector<WPARAM> targetMessages;
WNDPROC editProc = nullptr;
// What the target's Feedback handler does besides recording the event.
std::function<void()> targetHandler;

LRESULT CALLBACK TargetProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kWmSpeechEvent) {
    targetMessages.push_back(wParam);
    if (targetHandler) targetHandler();
    return 0;
  }
  return CallWindowProcW(editProc, window, message, wParam, lParam);
}

class SpeechUnitEngineTest : public SpeechFixture {
 protected:
  void SetUp() override {
    SpeechFixture::SetUp();
    // A window with one unit, loaded by the runtime: the edit is the event target.
    WindowDescription window;
    window.id = kWindow;
    window.items = {Unit(kOwnUnit, core_unit_type::kWindow, {0, 0, 200, 100}, 0),
                    Unit(kEdit, kTestEditType, {0, 0, 100, 20}, kUnitVisible)};
    program_.Start({window});
    editProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(UnitControl(kWindow, kEdit), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TargetProc)));

    SpeechLibraryNotify(library_notice::kStart, reinterpret_cast<intptr_t>(&RuntimeNotify), 0);
    UseSpeechPlatform(std::move(platform_));
    object_.Call(m::kCreate);
    ASSERT_TRUE(object_.Logical(m::kIsAvailable));
  }
  void TearDown() override {
    object_.Call(m::kDestroy);
    UseSpeechPlatform(nullptr);
    program_.Stop();
    targetMessages.clear();
    targetHandler = nullptr;
    SpeechFixture::TearDown();
  }

  std::string GbkPath(const std::wstring& name) const { return GbkFromWide(Path(name)); }
  bool SaveWav(const char* text, const std::string& path) {
    return object_.Logical(m::kSpeakToWaveFile, {Int(0), Text(text), Text(path.c_str())});
  }
  void NameTarget() {
    ASSERT_TRUE(object_.Logical(m::kSpeakText, {Int(3), Text(""), Omitted(), UnitRef(kWindow, kEdit, kTestEditType)}));
  }
  std::shared_ptr<OutputStream> CurrentOutput() {
    std::shared_ptr<OutputStream> output;
    object_.state()->voice->GetOutputStream(&output);
    return output;
  }

  TestProgram program_;
  SpeechObject object_;
};

TEST_F(SpeechUnitEngineTest, ChineseTextGoesToAWavFileWithAChineseName) {
  std::string path = GbkPath(L"朗读结果.wav");
  ASSERT_TRUE(SaveWav(kHelloWorld, path));
  WavFile wav = ReadWav(Path(L"朗读结果.wav"));
  ASSERT_TRUE(wav.valid);
  EXPECT_EQ(wav.channels, 1);
  EXPECT_EQ(wav.bitsPerSample, 16);
  EXPECT_GT(wav.Seconds(), 0.8);
  EXPECT_GT(wav.Rms(), 300.0);
  std::printf("你好，世界: %.2f s, RMS %.0f\n", wav.Seconds(), wav.Rms());
}

TEST_F(SpeechUnitEngineTest, AnExistingFileIsReplaced) {
  std::wstring path = Path(L"replaced.wav");
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  std::string junk(200000, 'x');
  DWORD written;
  WriteFile(file, junk.data(), static_cast<DWORD>(junk.size()), &written, nullptr);
  CloseHandle(file);
  ASSERT_TRUE(SaveWav(kHelloWorld, GbkFromWide(path)));
  WavFile wav = ReadWav(path);
  ASSERT_TRUE(wav.valid);
  EXPECT_LT(wav.samples.size() * 2 + 44, junk.size());
}

TEST_F(SpeechUnitEngineTest, MissingFolderGivesFalseAndLeavesTheOutputAlone) {
  std::shared_ptr<OutputStream> before = CurrentOutput();
  EXPECT_FALSE(SaveWav(kHelloWorld, GbkPath(L"没有这个文件夹\\a.wav")));
  EXPECT_EQ(CurrentOutput(), before);
  ASSERT_TRUE(SaveWav(kHelloWorld, GbkPath(L"later.wav")));
  EXPECT_TRUE(ReadWav(Path(L"later.wav")).valid);
  EXPECT_EQ(CurrentOutput(), before);
}

TEST_F(SpeechUnitEngineTest, RenderingEventsReachTheNamedUnitsWindowOnThisThread) {
  // Mode 3 speaks nothing but names the target.
  ASSERT_TRUE(object_.Logical(m::kSpeakText, {Int(3), Text(""), Omitted(), UnitRef(kWindow, kEdit, kTestEditType)}));
  ASSERT_TRUE(SaveWav(kHelloWorld, GbkPath(L"events.wav")));
  ASSERT_TRUE(SaveWav("Hello 你好", GbkPath(L"events2.wav")));
  ASSERT_TRUE(PumpMessagesUntil([] { return targetMessages.size() >= 4; }, 20000));
  PumpMessagesUntil([] { return false; }, 100);
  EXPECT_EQ(targetMessages, (std::vector<WPARAM>{1, 2, 1, 2}));
}

TEST_F(SpeechUnitEngineTest, EventsWaitWhileNoTargetIsKnown) {
  ASSERT_TRUE(SaveWav(kHelloWorld, GbkPath(L"queued.wav")));
  PumpMessagesUntil([] { return false; }, 200);
  EXPECT_TRUE(targetMessages.empty());
  ASSERT_TRUE(object_.Logical(m::kSpeakText, {Int(3), Text(""), Omitted(), UnitRef(kWindow, kEdit, kTestEditType)}));
  ASSERT_TRUE(SaveWav(kHelloWorld, GbkPath(L"queued2.wav")));
  ASSERT_TRUE(PumpMessagesUntil([] { return targetMessages.size() >= 4; }, 20000));
  EXPECT_EQ(targetMessages, (std::vector<WPARAM>{1, 2, 1, 2}));
}

TEST_F(SpeechUnitEngineTest, PauseAndResumeFromOtherThreadsWhileSpeakingLoseNothing) {
  ASSERT_TRUE(SaveWav(kLongText, GbkPath(L"calm.wav")));
  WavFile calm = ReadWav(Path(L"calm.wav"));

  std::atomic<bool> start{false};
  std::atomic<int> calls{0};
  std::vector<std::thread> hammers;
  for (int t = 0; t < 4; ++t) {
    hammers.emplace_back([&] {
      while (!start) std::this_thread::yield();
      for (int i = 0; i < 200; ++i) {
        // Each thread ends on a resume, so the last call of all is a resume.
        object_.Call(m::kPauseSpeaking);
        object_.Call(m::kResumeSpeaking);
        calls += 2;
      }
    });
  }
  start = true;
  bool saved = SaveWav(kLongText, GbkPath(L"hammered.wav"));
  for (std::thread& hammer : hammers) hammer.join();
  EXPECT_TRUE(saved);
  EXPECT_EQ(calls, 1600);
  WavFile hammered = ReadWav(Path(L"hammered.wav"));
  ASSERT_TRUE(hammered.valid);
  ExpectSameLength(hammered, calm);
}

// The same text saved at every rate: each is 3^(rate/10) times as fast as at 0,
// within 7 % (a step is 11.6 %), so every step is about the same factor faster, +10
// three times and -10 a third as fast.
TEST_F(SpeechUnitEngineTest, SavedSpeechAtEveryRateIsThreeToTheRateOverTenTimesAsFast) {
  double seconds[21];
  for (int rate = -10; rate <= 10; ++rate) {
    ASSERT_TRUE(object_.Logical(m::kSetRate, {Int(rate)}));
    ASSERT_TRUE(SaveWav(kLongText, GbkPath(L"rate.wav")));
    seconds[rate + 10] = ReadWav(Path(L"rate.wav")).Seconds();
  }
  for (int rate = -10; rate <= 10; ++rate) {
    double speed = seconds[10] / seconds[rate + 10];
    std::printf("rate %+d: %.2f s, %.3f times as fast as at 0\n", rate, seconds[rate + 10], speed);
    EXPECT_NEAR(speed / std::pow(3.0, rate / 10.0), 1.0, 0.07) << rate;
  }
}

// The object's voice is paused in the middle of an item (here into a file, so no
// audio device is needed): a save is neither held by the pause nor queued behind
// the item. Its events come once the item has ended, where a queued save's would.
TEST_F(SpeechUnitEngineTest, SavingWhilePausedRendersAtOnceAndItsEventsFollowTheItem) {
  NameTarget();
  DWORD start = GetTickCount();
  ASSERT_TRUE(SaveWav(kLongText, GbkPath(L"alone.wav")));
  DWORD aloneMilliseconds = GetTickCount() - start;
  WavFile alone = ReadWav(Path(L"alone.wav"));
  ASSERT_TRUE(PumpMessagesUntil([] { return targetMessages.size() >= 2; }, 20000));
  targetMessages.clear();

  std::shared_ptr<OutputStream> spokenFile;
  ASSERT_EQ(object_.state()->platform->BindToFile(Path(L"spoken.wav").c_str(), kFileModeCreateAlways,
                                                  kWaveFormatExFormatId, espeak::EngineFormat(), 0, &spokenFile),
            S_OK);
  ASSERT_EQ(object_.state()->voice->SetOutput(spokenFile, true), S_OK);
  ASSERT_TRUE(object_.Logical(m::kPauseSpeaking));
  ASSERT_TRUE(object_.Logical(m::kSpeakText, {Int(0), Text(kLongText)}));
  ASSERT_TRUE(PumpMessagesUntil([] { return !targetMessages.empty(); }, 20000));

  start = GetTickCount();
  ASSERT_TRUE(SaveWav(kLongText, GbkPath(L"paused.wav")));
  DWORD pausedMilliseconds = GetTickCount() - start;
  std::printf("saved alone in %lu ms, while paused in %lu ms\n", aloneMilliseconds, pausedMilliseconds);
  EXPECT_LT(pausedMilliseconds, aloneMilliseconds + 1000) << "about the rendering time";
  ExpectSameLength(ReadWav(Path(L"paused.wav")), alone);
  PumpMessagesUntil([] { return false; }, 300);
  EXPECT_EQ(targetMessages, std::vector<WPARAM>{1}) << "the paused item still runs";

  ASSERT_TRUE(object_.Logical(m::kResumeSpeaking));
  ASSERT_TRUE(PumpMessagesUntil([] { return targetMessages.size() >= 4; }, 20000));
  EXPECT_EQ(targetMessages, (std::vector<WPARAM>{1, 2, 1, 2}));
  object_.state()->voice->SetOutput(nullptr, true);
  spokenFile.reset();
  ExpectSameLength(ReadWav(Path(L"spoken.wav")), alone);
}

// The Feedback handler destroys the object, or re-creates it, on the first event
// of a rendering: the voice whose notification is running goes, and the forwarder
// sends nothing more.
TEST_F(SpeechUnitEngineTest, AFeedbackHandlerMayDestroyOrRecreateTheObject) {
  for (int method : {m::kDestroy, m::kReinitialize}) {
    object_.Call(m::kCreate);
    NameTarget();
    targetMessages.clear();
    targetHandler = [&, method] {
      object_.Call(method);
      targetHandler = nullptr;
    };
    ASSERT_TRUE(SaveWav(kHelloWorld, GbkPath(L"handler.wav")));
    ASSERT_TRUE(PumpMessagesUntil([] { return !targetMessages.empty(); }, 20000));
    PumpMessagesUntil([] { return false; }, 300);
    EXPECT_EQ(targetMessages, std::vector<WPARAM>{1}) << method;
    EXPECT_EQ(object_.Logical(m::kIsAvailable), method == m::kReinitialize);
  }
}

}  // namespace
}  // namespace vx::test
