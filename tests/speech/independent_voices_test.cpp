// Two voices of the built-in engine share eSpeak, which each holds for one piece of
// text at a time only: a paused voice holds nothing of it, so another voice speaks
// on, and destroying a voice never waits for another.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <future>
#include <memory>
#include <string>

#include "speech/platform/espeak/audio_output.h"
#include "tests/speech/speech_fixture.h"

namespace vx::test {
namespace {

const wchar_t kLongText[] =
    L"春天来了，花都开了，小鸟在树上唱歌。今天天气很好，我们一起去公园散步吧。"
    L"公园里有很多人，有的在跑步，有的在打太极拳，还有的在湖边钓鱼。";

using IndependentVoicesTest = SpeechFixture;

TEST_F(IndependentVoicesTest, WhileOneVoiceIsPausedAnotherSpeaksAndThePausedOneGoesAtOnce) {
  // The first voice is paused in the middle of an item into a file.
  std::shared_ptr<OutputStream> file;
  ASSERT_EQ(BindFile(Path(L"paused.wav"), &file), S_OK);
  ASSERT_EQ(voice_->SetOutput(file, true), S_OK);
  ASSERT_EQ(voice_->Pause(), S_OK);  // a file takes speech far faster than it plays
  ASSERT_EQ(voice_->Speak(kLongText, kSpeakAsync, nullptr), S_OK);
  EXPECT_EQ(voice_->WaitUntilDone(300), S_FALSE) << "held by the pause";

  // The second renders the whole text meanwhile, on a thread of its own so that a
  // hang shows as a failure rather than as a stuck test.
  std::unique_ptr<SpeechVoice> other;
  ASSERT_EQ(platform_->CreateVoice(&other), S_OK);
  auto rendering = std::async(std::launch::async, [&] {
    std::shared_ptr<OutputStream> otherFile;
    HRESULT result = platform_->BindToFile(Path(L"other.wav").c_str(), kFileModeCreateAlways,
                                           kWaveFormatExFormatId, espeak::EngineFormat(), 0, &otherFile);
    if (SUCCEEDED(result)) result = other->SetOutput(otherFile, true);
    if (SUCCEEDED(result)) result = other->Speak(kLongText, 0, nullptr);
    other->SetOutput(nullptr, true);
    return result;
  });
  ASSERT_EQ(rendering.wait_for(std::chrono::seconds(10)), std::future_status::ready) << "the pause held it up";
  EXPECT_EQ(rendering.get(), S_OK);
  EXPECT_GT(ReadWav(Path(L"other.wav")).Seconds(), 10);

  DWORD start = GetTickCount();
  voice_.reset();
  DWORD took = GetTickCount() - start;
  std::printf("a paused voice was destroyed in %lu ms\n", took);
  EXPECT_LT(took, 500u);
}

}  // namespace
}  // namespace vx::test
