#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <thread>
#include <vector>

#include "speech/platform/speech_platform_choice.h"
#include "tests/speech/failing_allocations.h"
#include "tests/speech/speech_fixture.h"

namespace vx::test {
namespace {

struct ReceivedEvent {
  uint16_t id;
  ULONG stream;
  DWORD thread;
};

// Interest in events 1 and 2 with SAPI's flag-check bits, as the speech unit sets it.
constexpr uint64_t kStartAndEnd = kStartAndEndInterest;

class VoiceEventsTest : public SpeechFixture {
 protected:
  void SetUp() override {
    SpeechFixture::SetUp();
    ASSERT_EQ(voice_->SetInterest(kStartAndEnd, kStartAndEnd), S_OK);
    ASSERT_EQ(voice_->SetNotifyCallbackFunction(&Forward, reinterpret_cast<WPARAM>(this), 0), S_OK);
  }

  // The forwarder: fetches events one at a time, as the speech unit does.
  static void __stdcall Forward(WPARAM wParam, LPARAM) {
    auto* self = reinterpret_cast<VoiceEventsTest*>(wParam);
    SpeechEvent event;
    while (self->voice_->GetEvents(1, &event, nullptr) == S_OK) {
      self->received_.push_back({event.eventId, event.streamNumber, GetCurrentThreadId()});
    }
  }

  // Sends later items into a new file; returns its path.
  std::wstring OutputToFile(const wchar_t* name) {
    std::shared_ptr<OutputStream> file;
    EXPECT_EQ(BindFile(Path(name), &file), S_OK);
    EXPECT_EQ(voice_->SetOutput(file, true), S_OK);
    return Path(name);
  }

  bool ReceivedEnd(ULONG stream) {
    for (const ReceivedEvent& e : received_) {
      if (e.id == kEventEndInputStream && e.stream == stream) return true;
    }
    return false;
  }

  std::vector<ReceivedEvent> received_;
};

const wchar_t kHelloWorld[] = L"你好，世界";
const wchar_t kLongText[] =
    L"春天来了，花都开了，小鸟在树上唱歌。今天天气很好，我们一起去公园散步吧。"
    L"公园里有很多人，有的在跑步，有的在打太极拳，还有的在湖边钓鱼。";

TEST_F(VoiceEventsTest, StartThenEndArriveOnTheRegisteringThreadForEachItem) {
  OutputToFile(L"events.wav");
  ULONG first = 0, second = 0;
  ASSERT_EQ(voice_->Speak(kHelloWorld, kSpeakAsync, &first), S_OK);
  ASSERT_EQ(voice_->Speak(L"Hello 你好 world 世界", kSpeakAsync, &second), S_OK);
  ASSERT_TRUE(PumpMessagesUntil([&] { return received_.size() >= 4; }, 20000));
  PumpMessagesUntil([] { return false; }, 100);  // nothing more follows
  ASSERT_EQ(received_.size(), 4u);
  uint16_t ids[] = {1, 2, 1, 2};
  ULONG streams[] = {first, first, second, second};
  for (size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(received_[i].id, ids[i]) << i;
    EXPECT_EQ(received_[i].stream, streams[i]) << i;
    EXPECT_EQ(received_[i].thread, GetCurrentThreadId()) << i;
  }
}

TEST_F(VoiceEventsTest, EventsOutsideTheQueuedInterestAreNotQueued) {
  ASSERT_EQ(voice_->SetInterest(kStartAndEnd, EventInterestBit(kEventEndInputStream)), S_OK);
  OutputToFile(L"end_only.wav");
  ASSERT_EQ(voice_->Speak(kHelloWorld, kSpeakAsync, nullptr), S_OK);
  ASSERT_TRUE(PumpMessagesUntil([&] { return !received_.empty(); }, 20000));
  EXPECT_EQ(voice_->WaitUntilDone(kWaitInfinite), S_OK);
  PumpMessagesUntil([] { return false; }, 100);
  ASSERT_EQ(received_.size(), 1u);
  EXPECT_EQ(received_[0].id, kEventEndInputStream);
}

TEST_F(VoiceEventsTest, SynchronousSpeakReturnsWhenDoneAndEventsFollowFromTheLoop) {
  std::wstring path = OutputToFile(L"sync.wav");
  ASSERT_EQ(voice_->Speak(kHelloWorld, 0, nullptr), S_OK);
  EXPECT_EQ(voice_->WaitUntilDone(0), S_OK);
  EXPECT_TRUE(received_.empty()) << "the callback runs only from the message loop";
  ASSERT_TRUE(PumpMessagesUntil([&] { return received_.size() >= 2; }, 5000));
}

TEST_F(VoiceEventsTest, PurgeDropsQueuedItemsAndEndsTheCurrentOne) {
  std::wstring path = OutputToFile(L"purge.wav");
  // Paused, so the first item cannot finish before the purge.
  ASSERT_EQ(voice_->Pause(), S_OK);
  ULONG streams[4];
  for (ULONG& stream : streams) ASSERT_EQ(voice_->Speak(kLongText, kSpeakAsync, &stream), S_OK);
  EXPECT_EQ(voice_->WaitUntilDone(200), S_FALSE);
  ASSERT_EQ(voice_->Speak(nullptr, kSpeakPurgeBeforeSpeak, nullptr), S_OK);
  ASSERT_EQ(voice_->Resume(), S_OK);
  EXPECT_EQ(voice_->WaitUntilDone(10000), S_OK);
  PumpMessagesUntil([] { return false; }, 200);
  for (const ReceivedEvent& e : received_) EXPECT_EQ(e.stream, streams[0]) << "dropped items raise nothing";

  // Speech goes on afterwards.
  ULONG next = 0;
  ASSERT_EQ(voice_->Speak(kHelloWorld, kSpeakAsync, &next), S_OK);
  ASSERT_TRUE(PumpMessagesUntil([&] { return ReceivedEnd(next); }, 20000));
  voice_->SetOutput(nullptr, true);
  WavFile wav = ReadWav(path);
  EXPECT_LT(wav.Seconds(), 4.0) << "not the four long items";
}

TEST_F(VoiceEventsTest, SpeakWithPurgeReplacesWhatIsQueued) {
  OutputToFile(L"replace.wav");
  ASSERT_EQ(voice_->Pause(), S_OK);
  ULONG dropped = 0, kept = 0;
  ASSERT_EQ(voice_->Speak(kLongText, kSpeakAsync, &dropped), S_OK);
  ASSERT_EQ(voice_->Speak(kHelloWorld, kSpeakAsync | kSpeakPurgeBeforeSpeak, &kept), S_OK);
  ASSERT_EQ(voice_->Resume(), S_OK);
  ASSERT_TRUE(PumpMessagesUntil([&] { return ReceivedEnd(kept); }, 20000));
}

TEST_F(VoiceEventsTest, PauseHoldsSpeechAndResumeLosesNothing) {
  WavFile expected = Render(kLongText);
  std::wstring path = OutputToFile(L"paused.wav");
  ASSERT_EQ(voice_->Pause(), S_OK);
  ASSERT_EQ(voice_->Speak(kLongText, kSpeakAsync, nullptr), S_OK);
  EXPECT_EQ(voice_->WaitUntilDone(300), S_FALSE);
  ASSERT_EQ(voice_->Resume(), S_OK);
  EXPECT_EQ(voice_->WaitUntilDone(kWaitInfinite), S_OK);
  voice_->SetOutput(nullptr, true);
  ExpectSameLength(ReadWav(path), expected);
}

TEST_F(VoiceEventsTest, PauseAndResumeHammeredFromOtherThreadsNeitherCrashesNorLosesAudio) {
  WavFile one = Render(kLongText);
  std::wstring path = OutputToFile(L"hammer.wav");
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
  ULONG streams[3];
  for (ULONG& stream : streams) ASSERT_EQ(voice_->Speak(kLongText, kSpeakAsync, &stream), S_OK);
  PumpMessagesUntil([] { return false; }, 1500);
  go = false;
  for (std::thread& hammer : hammers) hammer.join();
  ASSERT_EQ(voice_->Resume(), S_OK);
  ASSERT_TRUE(PumpMessagesUntil([&] { return ReceivedEnd(streams[2]); }, 30000));
  size_t events = std::count_if(received_.begin(), received_.end(), [&](const ReceivedEvent& e) {
    return e.stream >= streams[0] && e.stream <= streams[2];
  });
  EXPECT_EQ(events, 6u) << "a start and an end for each item";
  voice_->SetOutput(nullptr, true);
  WavFile all = ReadWav(path);
  EXPECT_NEAR(all.Seconds(), 3 * one.Seconds(), 3 * one.Seconds() * kLengthTolerance);
  EXPECT_NEAR(all.Rms(), one.Rms(), one.Rms() * 0.05);
}

// Audio that cannot be held drops its item: a synchronous speak hears why, the item
// still starts and ends, and the voice speaks the next item.
TEST_F(VoiceEventsTest, AnItemWhoseAudioFindsNoMemoryEndsAndTheVoiceGoesOn) {
  OutputToFile(L"no_memory.wav");
  {
    FailingAllocations failing(256 << 10);  // a long clause's audio needs more
    EXPECT_EQ(voice_->Speak(kLongText, 0, nullptr), E_OUTOFMEMORY);
  }
  ASSERT_TRUE(PumpMessagesUntil([&] { return received_.size() >= 2; }, 5000));
  EXPECT_EQ(received_[1].id, kEventEndInputStream);
  EXPECT_EQ(voice_->Speak(kHelloWorld, 0, nullptr), S_OK);
}

TEST_F(VoiceEventsTest, DestroyingASpeakingVoiceDoesNotHang) {
  OutputToFile(L"destroy.wav");
  for (int i = 0; i < 3; ++i) ASSERT_EQ(voice_->Speak(kLongText, kSpeakAsync, nullptr), S_OK);
  voice_.reset();
  PumpMessagesUntil([] { return false; }, 100);  // a late notification finds no voice
}

}  // namespace
}  // namespace vx::test
