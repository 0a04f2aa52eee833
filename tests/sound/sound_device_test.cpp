// WAV players and background music heard at a private PulseAudio sink that
// records what is played (tests/speech/audio_sink.sh, started by CTest around
// these tests).
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "runtime/framework/archive_writer.h"
#include "sound/background_music.h"
#include "sound/wave_player.h"
#include "tests/sound/heard_sound.h"
#include "tests/sound/sound_images.h"
#include "tests/speech/sink_recording.h"
#include "tests/support/handle_count.h"
#include "tests/support/wait_for.h"

namespace vx::test {
namespace {

// What was heard is what was played: the same samples, to a few of them.
constexpr size_t kSameLength = kSinkRate / 500;
constexpr double kSameSound = 0.99;
// What the sink may still hold after a player has finished.
constexpr DWORD kSinkLatency = 400;

const std::vector<int16_t> kTone = SweepThenSilence(0.4, 0);
const std::vector<int16_t> kToneAndRest = SweepThenSilence(0.25, 0.25);
const std::vector<uint8_t> kRepeatingWave = PcmWave(kToneAndRest, kSinkRate);

class SinkTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(sink_.usable()) << "no audio device with a recording sink"; }

  // What the sink recorded while play ran and for milliseconds after, until the
  // stop (when given) and the sink's own delay.
  std::vector<int16_t> Record(
      const std::function<void()>& play, DWORD milliseconds, const std::function<void()>& stop = [] {}) {
    const size_t from = sink_.Mark();
    play();
    Sleep(milliseconds);
    stop();
    Sleep(kSinkLatency);
    return sink_.SamplesBetween(from, sink_.Mark());
  }

  // Silence at the sink from now on, for half a second.
  void ExpectSilenceNow() {
    Sleep(kSinkLatency);
    const size_t from = sink_.Mark();
    Sleep(500);
    EXPECT_LT(sink_.RmsBetween(from, sink_.Mark()), kSilentRms);
  }

  SinkRecording sink_;
};

// Every burst is the sound's sweep, sample for sample, and every burst but a cut
// last one is whole.
void ExpectBurstsOf(const std::vector<int16_t>& recording, const std::vector<Burst>& bursts,
                    const std::vector<int16_t>& sound) {
  const size_t length = SoundLength(sound);
  for (size_t i = 0; i < bursts.size(); ++i) {
    const std::vector<int16_t> heard = WithoutSilence(recording, bursts[i]);
    if (i + 1 == bursts.size() && heard.size() + kSameLength < length) break;
    EXPECT_NEAR(double(heard.size()), double(length), double(kSameLength)) << "burst " << i;
    EXPECT_GT(Correlation(heard, sound, length), kSameSound) << "burst " << i;
  }
}

TEST_F(SinkTest, AWavPlayedOnceIsHeardOnceAsTheFileHoldsIt) {
  const std::vector<uint8_t> samples = SampleBytes(kTone);
  const std::vector<uint8_t> format = PcmFormat(1, kSinkRate, 16);
  const std::vector<uint8_t> odd = {7, 7, 7};
  const struct {
    const char* name;
    std::vector<uint8_t> image;
  } rows[] = {
      {"fmt then data", RiffWave({{"fmt ", format}, {"data", samples}})},
      {"data before fmt", RiffWave({{"data", samples}, {"fmt ", format}})},
      {"odd-sized chunks padded", RiffWave({{"LIST", odd}, {"fmt ", format}, {"junk", odd}, {"data", samples}})},
      {"data chunk cut short", RiffWave({{"fmt ", format}, {"data", samples, 4 * uint32_t(samples.size())}})},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    const std::vector<int16_t> recording = Record(
        [&row] {
          ASSERT_TRUE(PlayWave(row.image.data(), row.image.size(), false));
          ASSERT_TRUE(WaitFor([] { return PlayingWaveCount() == 0; }, 3000));
        },
        0);
    const std::vector<Burst> bursts = Bursts(recording);
    ASSERT_EQ(bursts.size(), 1u);
    ExpectBurstsOf(recording, bursts, kTone);
  }
}

TEST_F(SinkTest, ALoopingWavIsHeardAgainAndAgainUntilStopped) {
  const std::vector<int16_t> recording =
      Record([] { ASSERT_TRUE(PlayWave(kRepeatingWave.data(), kRepeatingWave.size(), true)); }, 1600,
             [] { StopAllWaves(true); });
  EXPECT_EQ(PlayingWaveCount(), 0u);
  const std::vector<Burst> bursts = Bursts(recording);
  ASSERT_GE(bursts.size(), 3u);
  ExpectBurstsOf(recording, bursts, kToneAndRest);
  // The whole file repeats, its silence included. How long the device runs dry
  // before the player starts again depends on the machine's load: it is not
  // bounded here.
  const size_t between = bursts[1].start - bursts[0].start;
  EXPECT_GE(between + kSinkRate / 100, kToneAndRest.size());
  ExpectSilenceNow();
}

TEST_F(SinkTest, StopAllWavesStopsEveryPlayer) {
  const std::vector<uint8_t> other = PcmWave(SweepThenSilence(0.7, 0.1), kSinkRate);
  for (int i = 0; i < 2; ++i) ASSERT_TRUE(PlayWave(kRepeatingWave.data(), kRepeatingWave.size(), true));
  ASSERT_TRUE(PlayWave(other.data(), other.size(), true));
  EXPECT_EQ(PlayingWaveCount(), 3u);
  Sleep(300);
  StopAllWaves(true);
  EXPECT_EQ(PlayingWaveCount(), 0u) << "ended by the time StopAllWaves returned";
  ExpectSilenceNow();
}

TEST_F(SinkTest, AFormatTheDeviceRefusesIsRefused) {
  // A compressed format no codec of the system knows.
  const std::vector<uint8_t> format =
      ArchiveWriter().U16(0x7A7A).U16(1).U32(8000).U32(1000).U16(1).U16(1).U16(0).Take();
  const std::vector<uint8_t> refused = RiffWave({{"fmt ", format}, {"data", SampleBytes(kTone)}});
  EXPECT_FALSE(PlayWave(refused.data(), refused.size(), false));
  EXPECT_EQ(PlayingWaveCount(), 0u);
  const std::vector<uint8_t> pcm = PcmWave(kTone, kSinkRate);
  EXPECT_TRUE(PlayWave(pcm.data(), pcm.size(), false)) << "the device takes PCM";
  StopAllWaves(true);
}

TEST_F(SinkTest, PlayingAndStopping200SoundsLeavesTheHandlesAsTheyWere) {
  // Wine's audio path makes a few objects of its own over the first sounds.
  for (int i = 0; i < 20; ++i) {
    ASSERT_TRUE(PlayWave(kRepeatingWave.data(), kRepeatingWave.size(), true));
    StopAllWaves(true);
  }
  const size_t handles = ProcessHandleCount();
  for (int i = 0; i < 200; ++i) {
    ASSERT_TRUE(PlayWave(kRepeatingWave.data(), kRepeatingWave.size(), i % 2)) << i;
    StopAllWaves(true);
  }
  EXPECT_TRUE(HandlesComeBackTo(handles)) << ProcessHandleCount() << " handles, " << handles << " before";
}

TEST_F(SinkTest, BackgroundMusicLoopsPlaysOnceOrNotAtAllByItsMode) {
  const struct {
    int32_t mode;
    bool started;
    size_t fewestBursts, mostBursts;
  } rows[] = {
      {music_play_mode::kLoop, true, 3, 4},
      {music_play_mode::kOnce, true, 1, 1},
      {music_play_mode::kNone, false, 0, 0},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE("mode " + std::to_string(row.mode));
    BackgroundMusic music;
    const std::vector<int16_t> recording = Record(
        [&] { EXPECT_EQ(music.Start(kRepeatingWave.data(), kRepeatingWave.size(), row.mode), row.started); }, 1600,
        [&] {
          if (row.mode == music_play_mode::kOnce) {
            EXPECT_EQ(PlayingWaveCount(), 0u) << "ended by itself";
          }
          music.Stop();
        });
    const std::vector<Burst> bursts = Bursts(recording);
    EXPECT_GE(bursts.size(), row.fewestBursts);
    EXPECT_LE(bursts.size(), row.mostBursts);
    ExpectBurstsOf(recording, bursts, kToneAndRest);
    EXPECT_TRUE(WaitFor([] { return PlayingWaveCount() == 0; }, 500));
  }
}

TEST_F(SinkTest, StoppingOneWindowsMusicStopsTheWavsOfEveryWindow) {
  BackgroundMusic first, second;
  ASSERT_TRUE(first.Start(kRepeatingWave.data(), kRepeatingWave.size(), music_play_mode::kLoop));
  ASSERT_TRUE(second.Start(kRepeatingWave.data(), kRepeatingWave.size(), music_play_mode::kLoop));
  ASSERT_TRUE(PlayWave(kRepeatingWave.data(), kRepeatingWave.size(), true));  // the play-sound service's
  Sleep(300);
  first.Stop();
  EXPECT_TRUE(WaitFor([] { return PlayingWaveCount() == 0; }, 500));
  ExpectSilenceNow();
}

TEST_F(SinkTest, StartingMusicAgainStopsWhatPlayedBefore) {
  BackgroundMusic music;
  ASSERT_TRUE(music.Start(kRepeatingWave.data(), kRepeatingWave.size(), music_play_mode::kLoop));
  Sleep(300);
  const std::vector<uint8_t> once = PcmWave(kTone, kSinkRate);
  ASSERT_TRUE(music.Start(once.data(), once.size(), music_play_mode::kOnce));
  EXPECT_TRUE(WaitFor([] { return PlayingWaveCount() == 0; }, 2000)) << "the looping music went on";
}

TEST_F(SinkTest, TheCleanUpStopsEverySoundAndWaitsForIt) {
  BackgroundMusic music;
  ASSERT_TRUE(music.Start(kRepeatingWave.data(), kRepeatingWave.size(), music_play_mode::kLoop));
  ASSERT_TRUE(PlayWave(kRepeatingWave.data(), kRepeatingWave.size(), true));
  Sleep(200);
  StopBackgroundSound();
  EXPECT_EQ(PlayingWaveCount(), 0u);
  ExpectSilenceNow();
}

}  // namespace
}  // namespace vx::test
