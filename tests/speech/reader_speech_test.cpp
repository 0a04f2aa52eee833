// The speech object as the reader uses it, on a window with a message loop and a
// label that receives its events, heard at the private PulseAudio sink: the
// start/pause toggle, stop and save do what the reader's handlers do. A watcher
// thread sends the window a message every 20 ms and keeps the longest wait for its
// answer, so a save that blocked the window for the length of the speech shows.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "runtime/framework/gbk.h"
#include "runtime/framework/unit_object.h"
#include "runtime/runtime_notify.h"
#include "tests/speech/sink_recording.h"
#include "tests/speech/speech_fixture.h"
#include "tests/speech/speech_object.h"

namespace vx::test {
namespace {

namespace m = speech_method;

constexpr uint32_t kWindow = 0x52010001;
constexpr uint32_t kLabel = 0x16010003;
constexpr DataType kLabelType = 0x0001000A;

// About half a minute of speech at rate 0.
const std::string kText = GbkFromWide(
    L"春天来了，花都开了，小鸟在树上唱歌。今天天气很好，我们一起去公园散步吧。"
    L"公园里有很多人，有的在跑步，有的在打太极拳，还有的在湖边钓鱼。"
    L"我们今天用 Python 写了一个小程序，老师说发 email 比寄信快得多。"
    L"春天来了，花都开了，小鸟在树上唱歌。今天天气很好，我们一起去公园散步吧。"
    L"公园里有很多人，有的在跑步，有的在打太极拳，还有的在湖边钓鱼。");

UnitObject* label = nullptr;
int speechState = 0;  // the reader's: the last event, 1 speaking (or paused), 2 ended

LRESULT CALLBACK LabelProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kWmSpeechEvent) {
    speechState = static_cast<int>(wParam);
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

intptr_t TestRuntime(int32_t code, intptr_t param1, intptr_t param2) {
  if (code == notify::kUnitObject) {
    bool isLabel = static_cast<uint32_t>(param1) == kWindow && static_cast<uint32_t>(param2) == kLabel;
    return isLabel && label ? reinterpret_cast<intptr_t>(label) : 0;
  }
  return RuntimeNotify(code, param1, param2);
}

void Wait(DWORD milliseconds) {
  PumpMessagesUntil([] { return false; }, milliseconds);
}

class ReaderSpeechTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!sink_.usable()) GTEST_SKIP() << "no audio device with a recording sink";
    SpeechLibraryNotify(library_notice::kStart, reinterpret_cast<intptr_t>(&TestRuntime), 0);
    window_ =
        CreateWindowW(L"STATIC", L"朗读", WS_OVERLAPPEDWINDOW, 0, 0, 300, 100, nullptr, nullptr, nullptr, nullptr);
    HWND labelWindow = CreateWindowW(L"STATIC", L"标签1", WS_CHILD, 0, 0, 10, 10, window_, nullptr, nullptr, nullptr);
    SetWindowLongPtrW(labelWindow, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&LabelProc));
    label = new UnitObject(kWindow, kLabel);
    label->Attach(labelWindow);
    speechState = 0;
    UseSpeechPlatform(nullptr);
    object_.Call(m::kCreate);
    ASSERT_TRUE(object_.Logical(m::kIsAvailable));
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    folder_ = std::wstring(temp) + L"vx_reader_" + std::to_wstring(GetCurrentProcessId());
    CreateDirectoryW(folder_.c_str(), nullptr);

    // What saving takes with nothing else going on; it ends in state 2. (Mode 3
    // speaks nothing and names the label.)
    object_.Call(m::kSpeakText, {Int(3), Text(""), Omitted(), UnitRef(kWindow, kLabel, kLabelType)});
    ASSERT_TRUE(Save(L"alone.wav", &aloneMilliseconds_));
    alone_ = ReadWav(Path(L"alone.wav"));
    ASSERT_TRUE(PumpMessagesUntil([] { return speechState == 2; }, 10000));
    watcher_ = std::thread([this] {
      while (!stopWatching_) {
        DWORD start = GetTickCount();
        DWORD_PTR answer;
        SendMessageTimeoutW(window_, WM_NULL, 0, 0, SMTO_NORMAL, 60000, &answer);
        longestWait_ = std::max<DWORD>(longestWait_, GetTickCount() - start);
        Sleep(20);
      }
      watcherDone_ = true;
    });
  }
  void TearDown() override {
    if (!sink_.usable()) return;
    stopWatching_ = true;
    if (watcher_.joinable()) {
      PumpMessagesUntil([this] { return watcherDone_.load(); }, 60000);  // it may wait for an answer
      watcher_.join();
    }
    for (std::thread& worker : workers_) worker.join();
    object_.Call(m::kDestroy);
    UseSpeechPlatform(nullptr);
    if (label) label->Detach();
    delete label;
    label = nullptr;
    DestroyWindow(window_);
    for (const wchar_t* name : {L"alone.wav", L"saved.wav"}) DeleteFileW(Path(name).c_str());
    RemoveDirectoryW(folder_.c_str());
    std::printf("saving alone: %lu ms; the window waited at most %lu ms\n", aloneMilliseconds_, longestWait_.load());
  }

  std::wstring Path(const std::wstring& name) const { return folder_ + L"\\" + name; }

  // The start/pause button with a text that is not blank: speak anew unless a
  // stream runs, else pause or resume on a short-lived worker thread.
  void Toggle() {
    if (speechState == 1) {
      int method = (pausedFlag_ & 1) ? m::kResumeSpeaking : m::kPauseSpeaking;
      pausedFlag_ ^= 1;
      workers_.emplace_back([this, method] { object_.Call(method); });
      return;
    }
    object_.Call(m::kSpeakText, {Int(0), Text(kText.c_str()), Omitted(), UnitRef(kWindow, kLabel, kLabelType)});
  }
  void Stop() { object_.Call(m::kStopSpeaking); }
  bool Save(const std::wstring& name, DWORD* milliseconds) {
    std::string path = GbkFromWide(Path(name));
    DWORD start = GetTickCount();
    bool saved = object_.Logical(m::kSpeakToWaveFile, {Int(0), Text(kText.c_str()), Text(path.c_str())});
    *milliseconds = GetTickCount() - start;
    return saved;
  }
  // Saves while speech is under way and checks what the user would: the whole text
  // in the file, and the window blocked no longer than the rendering takes.
  void SaveTheWholeTextInRenderingTime() {
    DWORD took = 0;
    ASSERT_TRUE(Save(L"saved.wav", &took));
    std::printf("saved in %lu ms\n", took);
    ExpectSameLength(ReadWav(Path(L"saved.wav")), alone_);
    EXPECT_LT(took, aloneMilliseconds_ + 1000) << "about the rendering time";
  }
  void ExpectTheWindowAnsweredThroughout() {
    EXPECT_LT(longestWait_, aloneMilliseconds_ + 1000) << "blocked no longer than a rendering";
    EXPECT_LT(longestWait_, alone_.Seconds() * 1000 / 10) << "far from the length of the speech";
  }
  void ExpectHeardFor(DWORD milliseconds) {
    size_t from = sink_.Mark();
    Wait(milliseconds);
    EXPECT_GT(sink_.RmsBetween(from, sink_.Mark()), kHeardRms);
  }
  void ExpectSilenceFor(DWORD milliseconds) {
    Wait(300);  // what the sink still had buffered
    size_t from = sink_.Mark();
    Wait(milliseconds);
    EXPECT_LT(sink_.RmsBetween(from, sink_.Mark()), kSilentRms);
  }
  void SpeakUntilHeard() {
    Toggle();
    ASSERT_TRUE(PumpMessagesUntil([] { return speechState == 1; }, 10000));
    ExpectHeardFor(1500);
  }

  SinkRecording sink_;
  HWND window_ = nullptr;
  SpeechObject object_;
  std::wstring folder_;
  WavFile alone_;
  DWORD aloneMilliseconds_ = 0;
  int pausedFlag_ = 0;
  std::vector<std::thread> workers_;
  std::thread watcher_;
  std::atomic<bool> stopWatching_{false};
  std::atomic<bool> watcherDone_{false};
  std::atomic<DWORD> longestWait_{0};
};

TEST_F(ReaderSpeechTest, PauseThenSaveThenTheNextToggleResumes) {
  SpeakUntilHeard();
  Toggle();  // pause
  ExpectSilenceFor(500);
  SaveTheWholeTextInRenderingTime();
  ExpectSilenceFor(800);
  EXPECT_EQ(speechState, 1) << "the paused speech still runs for the reader";
  Toggle();  // resume
  ExpectHeardFor(1500);
  ExpectTheWindowAnsweredThroughout();
}

// After a stop the toggle speaks anew; the voice is still paused, as the reader
// left it, so the toggle after that resumes.
TEST_F(ReaderSpeechTest, PauseStopThenSaveThenTheTogglesSpeakAgain) {
  SpeakUntilHeard();
  Toggle();  // pause
  Stop();
  ASSERT_TRUE(PumpMessagesUntil([] { return speechState == 2; }, 5000));
  SaveTheWholeTextInRenderingTime();
  Toggle();  // speak anew
  ASSERT_TRUE(PumpMessagesUntil([] { return speechState == 1; }, 5000));
  Toggle();  // resume
  ExpectHeardFor(1500);
  ExpectTheWindowAnsweredThroughout();
}

TEST_F(ReaderSpeechTest, SaveWhileSpeakingTakesTheRenderingTimeAndSpeechGoesOn) {
  SpeakUntilHeard();
  SaveTheWholeTextInRenderingTime();
  EXPECT_EQ(speechState, 1);
  ExpectHeardFor(1500);
  ExpectTheWindowAnsweredThroughout();
}

// Two speech objects speak and pause independently, and destroying one that speaks
// does not wait for the other.
TEST(TwoSpeechObjects, OnePausedTheOtherHeardAndTheSpeakingOneDestroyedAtOnce) {
  SinkRecording sink;
  if (!sink.usable()) GTEST_SKIP() << "no audio device with a recording sink";
  SpeechLibraryNotify(library_notice::kStart, reinterpret_cast<intptr_t>(&RuntimeNotify), 0);
  UseSpeechPlatform(nullptr);
  SpeechObject paused, speaking;
  paused.Call(m::kCreate);
  speaking.Call(m::kCreate);
  ASSERT_TRUE(paused.Logical(m::kSpeakText, {Int(0), Text(kText.c_str())}));
  Wait(1000);
  ASSERT_TRUE(paused.Logical(m::kPauseSpeaking));
  Wait(300);
  size_t from = sink.Mark();
  Wait(800);
  EXPECT_LT(sink.RmsBetween(from, sink.Mark()), kSilentRms) << "the first is paused";

  ASSERT_TRUE(speaking.Logical(m::kSpeakText, {Int(0), Text(kText.c_str())}));
  from = sink.Mark();
  Wait(1500);
  EXPECT_GT(sink.RmsBetween(from, sink.Mark()), kHeardRms) << "the second is heard";

  DWORD start = GetTickCount();
  speaking.Call(m::kDestroy);
  DWORD took = GetTickCount() - start;
  std::printf("the speaking object was destroyed in %lu ms while the other was paused\n", took);
  EXPECT_LT(took, 500u);

  ASSERT_TRUE(paused.Logical(m::kResumeSpeaking));
  from = sink.Mark();
  Wait(1500);
  EXPECT_GT(sink.RmsBetween(from, sink.Mark()), kHeardRms) << "the first resumes";
  paused.Call(m::kDestroy);
  UseSpeechPlatform(nullptr);
}

}  // namespace
}  // namespace vx::test
