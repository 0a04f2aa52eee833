// A window's background music as a user hears it at the tests' sink: played by
// its play mode once the window is made, started again when the program changes
// it, and stopped when the window goes.
#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "sound/background_music.h"
#include "sound/wave_player.h"
#include "tests/sound/heard_sound.h"
#include "tests/sound/sound_images.h"
#include "tests/speech/sink_recording.h"
#include "tests/support/program_fixture.h"
#include "tests/support/wait_for.h"
#include "units/unit_types/core_unit_types.h"
#include "units/window/window_data.h"

namespace vx::test {
namespace {

constexpr uint32_t kWindow = 0x52010001, kOwnUnit = 0x06010000;
const std::vector<int16_t> kToneAndRest = SweepThenSilence(0.25, 0.25);
const std::vector<uint8_t> kMusic = PcmWave(kToneAndRest, kSinkRate);

class WindowMusicTest : public ProgramFixture {
 protected:
  void SetUp() override { ASSERT_TRUE(sink_.usable()) << "no audio device with a recording sink"; }
  void TearDown() override {
    ProgramFixture::TearDown();
    EXPECT_TRUE(WaitFor([] { return PlayingWaveCount() == 0; }, 1000)) << "the window took its music with it";
  }
  void Open(int32_t mode) {
    WindowData data{.backgroundMusic = kMusic, .musicPlayMode = mode};
    WindowDescription window;
    window.id = kWindow;
    window.items = {Unit(kOwnUnit, core_unit_type::kWindow, {0, 0, 200, 120}, kUnitVisible, StoreProperties(data))};
    StartProgram({window});
  }
  // The bursts of sound heard over the next milliseconds.
  size_t BurstsHeardFor(DWORD milliseconds) {
    const size_t from = sink_.Mark();
    Sleep(milliseconds);
    return Bursts(sink_.SamplesBetween(from, sink_.Mark())).size();
  }

  SinkRecording sink_;
};

TEST_F(WindowMusicTest, PlaysLoopingOnceOrNotAtAllByItsPlayMode) {
  const struct {
    int32_t mode;
    size_t fewest, most;
  } rows[] = {{music_play_mode::kLoop, 3, 99}, {music_play_mode::kOnce, 1, 1}, {music_play_mode::kNone, 0, 0}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.mode);
    Open(row.mode);
    const size_t heard = BurstsHeardFor(1800);
    EXPECT_GE(heard, row.fewest);
    EXPECT_LE(heard, row.most);
    program_.Stop();
  }
}

TEST_F(WindowMusicTest, ANewPlayModeStartsItAgainAndNoneStopsIt) {
  Open(music_play_mode::kOnce);
  Sleep(1000);
  Write(kWindow, kOwnUnit, window_property::kMusicPlayMode, music_play_mode::kLoop);
  EXPECT_GE(BurstsHeardFor(1600), 3u) << "looping from the start";
  Write(kWindow, kOwnUnit, window_property::kMusicPlayMode, music_play_mode::kNone);
  Sleep(400);
  EXPECT_EQ(BurstsHeardFor(1000), 0u);
}

}  // namespace
}  // namespace vx::test
