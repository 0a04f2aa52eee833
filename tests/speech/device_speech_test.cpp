// Speech on the audio device, heard at a private PulseAudio sink that records
// what is played (tests/speech/audio_sink.sh, started by CTest around these tests).
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <thread>
#include <vector>

#include "speech/platform/speech_platform_choice.h"
#include "tests/speech/sink_recording.h"
#include "tests/speech/speech_fixture.h"

namespace vx::test {
namespace {

const wchar_t kHelloWorld[] = L"你好，世界";
const wchar_t kLongText[] = L"春天来了，花都开了，小鸟在树上唱歌。今天天气很好，我们一起去公园散步吧。";

constexpr uint64_t kStartAndEnd = kStartAndEndInterest;

class DeviceSpeechTest : public SpeechFixture {
 protected:
  void SetUp() override {
    if (!sink_.usable()) GTEST_SKIP() << "no audio device with a recording sink";
    SpeechFixture::SetUp();
    ASSERT_EQ(voice_->SetInterest(kStartAndEnd, kStartAndEnd), S_OK);
    ASSERT_EQ(voice_->SetNotifyCallbackFunction(&Forward, reinterpret_cast<WPARAM>(this), 0), S_OK);
  }

  static void __stdcall Forward(WPARAM wParam, LPARAM) {
    auto* self = reinterpret_cast<DeviceSpeechTest*>(wParam);
    SpeechEvent event;
    while (self->voice_->GetEvents(1, &event, nullptr) == S_OK) {
      if (event.eventId == kEventEndInputStream) self->ended_.push_back(event.streamNumber);
    }
  }
  bool Ended(ULONG stream) const { return std::count(ended_.begin(), ended_.end(), stream) > 0; }

  size_t Mark() const { return sink_.Mark(); }
  double RmsBetween(size_t from, size_t to) const { return sink_.RmsBetween(from, to); }
  void Wait(DWORD milliseconds) {
    PumpMessagesUntil([] { return false; }, milliseconds);
  }

  SinkRecording sink_;
  std::vector<ULONG> ended_;
};

TEST_F(DeviceSpeechTest, SpeechIsHeardAtTheSinkInRealTime) {
  double seconds = Render(kHelloWorld).Seconds();
  size_t before = Mark();
  DWORD start = GetTickCount();
  ULONG stream = 0;
  ASSERT_EQ(voice_->Speak(kHelloWorld, kSpeakAsync, &stream), S_OK);
  ASSERT_TRUE(PumpMessagesUntil([&] { return Ended(stream); }, 10000));
  double elapsed = (GetTickCount() - start) / 1000.0;
  EXPECT_GT(elapsed, seconds * 0.8) << "played, not just written";
  Wait(300);
  EXPECT_GT(RmsBetween(before, Mark()), kHeardRms);
}

TEST_F(DeviceSpeechTest, WhilePausedTheSinkIsSilentAndResumeContinues) {
  double seconds = Render(kLongText).Seconds();
  ULONG stream = 0;
  DWORD start = GetTickCount();
  ASSERT_EQ(voice_->Speak(kLongText, kSpeakAsync, &stream), S_OK);
  Wait(1000);
  ASSERT_EQ(voice_->Pause(), S_OK);
  Wait(300);  // what the sink still had buffered
  size_t pausedFrom = Mark();
  Wait(1500);
  size_t pausedTo = Mark();
  EXPECT_FALSE(Ended(stream));
  ASSERT_EQ(voice_->Resume(), S_OK);
  Wait(1000);
  EXPECT_LT(RmsBetween(pausedFrom, pausedTo), kSilentRms) << "silent while paused";
  EXPECT_GT(RmsBetween(pausedTo, Mark()), kHeardRms) << "speaking again after resume";
  ASSERT_TRUE(PumpMessagesUntil([&] { return Ended(stream); }, 30000));
  double elapsed = (GetTickCount() - start) / 1000.0;
  EXPECT_GT(elapsed, seconds + 1.5) << "the paused time was added, nothing was skipped";
}

TEST_F(DeviceSpeechTest, PurgeStopsAtOnceAndDropsTheQueue) {
  ULONG streams[3];
  for (ULONG& stream : streams) ASSERT_EQ(voice_->Speak(kLongText, kSpeakAsync, &stream), S_OK);
  Wait(800);
  DWORD stop = GetTickCount();
  ASSERT_EQ(voice_->Speak(nullptr, kSpeakPurgeBeforeSpeak, nullptr), S_OK);
  ASSERT_TRUE(PumpMessagesUntil([&] { return Ended(streams[0]); }, 2000));
  EXPECT_LT(GetTickCount() - stop, 500u);
  Wait(300);
  size_t from = Mark();
  Wait(800);
  EXPECT_LT(RmsBetween(from, Mark()), kSilentRms);
  EXPECT_FALSE(Ended(streams[1]) || Ended(streams[2]));
  EXPECT_EQ(voice_->WaitUntilDone(0), S_OK);
}

// After more speech than the device's ring holds, an item that makes no audio
// (only line breaks and tabs) must not play any of the earlier speech again.
TEST_F(DeviceSpeechTest, AnItemWithoutAudioAfterSpeechAddsNoSound) {
  ULONG spoken = 0, blank = 0;
  ASSERT_EQ(voice_->Speak(kLongText, kSpeakAsync, &spoken), S_OK);
  ASSERT_TRUE(PumpMessagesUntil([&] { return Ended(spoken); }, 30000));
  Wait(300);  // what the sink still had buffered
  size_t from = Mark();
  ASSERT_EQ(voice_->Speak(L"\r\n\t\r\n", kSpeakAsync, &blank), S_OK);
  ASSERT_TRUE(PumpMessagesUntil([&] { return Ended(blank); }, 5000));
  Wait(500);
  EXPECT_LT(RmsBetween(from, Mark()), kSilentRms);
}

TEST_F(DeviceSpeechTest, PauseAndResumeHammeredWhileSpeaking) {
  ULONG stream = 0;
  ASSERT_EQ(voice_->Speak(kLongText, kSpeakAsync, &stream), S_OK);
  std::atomic<bool> go{true};
  std::vector<std::thread> hammers;
  for (int t = 0; t < 4; ++t) {
    hammers.emplace_back([&, t] {
      while (go) {
        if (t % 2)
          voice_->Pause();
        else
          voice_->Resume();
        Sleep(t);
      }
    });
  }
  Wait(1500);
  go = false;
  for (std::thread& hammer : hammers) hammer.join();
  ASSERT_EQ(voice_->Resume(), S_OK);
  EXPECT_TRUE(PumpMessagesUntil([&] { return Ended(stream); }, 30000));
}

}  // namespace
}  // namespace vx::test
