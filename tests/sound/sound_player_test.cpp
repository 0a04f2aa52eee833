// The players on devices of the tests' own, and on a system with no wave-output
// device (these tests run with PULSE_SERVER naming no server) and, where Wine has
// no sequencer, no MIDI mapper.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "sound/background_music.h"
#include "sound/midi_player.h"
#include "sound/wave_player.h"
#include "tests/sound/fake_devices.h"
#include "tests/sound/heard_sound.h"
#include "tests/sound/sound_images.h"
#include "tests/support/handle_count.h"
#include "tests/support/wait_for.h"

namespace vx {

bool operator==(const StreamEvent& a, const StreamEvent& b) {
  return a.delta == b.delta && a.streamId == b.streamId && a.event == b.event;
}

namespace test {
namespace {

// Eight seconds: more than the 20 buffers hold.
const std::vector<uint8_t> kLongWave = PcmWave(std::vector<int16_t>(8 * kSinkRate), kSinkRate);
const std::vector<uint8_t> kShortWave = PcmWave(SweepThenSilence(0.3, 0.1), kSinkRate);
// Two tracks whose events fill several stream buffers.
const std::vector<uint8_t> kTune = MidiImage(1, 96, {MidiNotes(100, 0, 5), MidiNotes(80, 1, 7)});

TEST(WavePlayer, APlayerWhoseBuffersNeverComeBackEndsItselfAfter8888Ms) {
  ClearSilentWaveOut(false);
  const DWORD start = GetTickCount();
  ASSERT_TRUE(PlayWave(kLongWave.data(), kLongWave.size(), false, SilentWaveOut()));
  ASSERT_TRUE(WaitFor([] { return PlayingWaveCount() == 0; }, 12000));
  const DWORD lasted = GetTickCount() - start;
  EXPECT_GE(lasted, 8800u);
  EXPECT_LT(lasted, 9800u);
  const WaveOutRecord& device = SilentWaveOutRecord();
  EXPECT_EQ(device.writes, 20) << "every buffer was queued";
  EXPECT_EQ(device.resets, 1);
  EXPECT_EQ(device.prepared, 0);
  EXPECT_EQ(device.closes, 1);
}

TEST(WavePlayer, AWriteTheDeviceRefusesEndsThePlayerAtOnce) {
  ClearSilentWaveOut(true);
  ASSERT_TRUE(PlayWave(kLongWave.data(), kLongWave.size(), true, SilentWaveOut()));
  EXPECT_TRUE(WaitFor([] { return PlayingWaveCount() == 0; }, 1000));
  EXPECT_EQ(SilentWaveOutRecord().prepared, 0);
  EXPECT_EQ(SilentWaveOutRecord().closes, 1);
}

TEST(NoWaveDevice, AWavIsRefusedAndNothingIsStarted) {
  ASSERT_EQ(waveOutGetNumDevs(), 0u) << "these tests run without a wave-output device";
  EXPECT_FALSE(PlayWave(kShortWave.data(), kShortWave.size(), false));
  const size_t handles = ProcessHandleCount();
  for (int i = 0; i < 50; ++i) EXPECT_FALSE(PlayWave(kShortWave.data(), kShortWave.size(), i % 2));
  EXPECT_EQ(PlayingWaveCount(), 0u);
  EXPECT_TRUE(HandlesComeBackTo(handles));
}

// The stream events of the tune played passes times.
std::vector<StreamEvent> TuneEvents(size_t passes) {
  const MidiFile file = *MidiFile::Read(kTune);
  MidiSequence sequence(file, false);
  std::vector<StreamEvent> pass(1000);
  pass.resize(sequence.Fill({reinterpret_cast<uint8_t*>(pass.data()), pass.size() * sizeof(StreamEvent)}) /
              sizeof(StreamEvent));
  std::vector<StreamEvent> events;
  for (size_t i = 0; i < passes; ++i) events.insert(events.end(), pass.begin(), pass.end());
  return events;
}

TEST(MidiPlayer, TheStreamGetsTheMergedEventsBufferAfterBufferAndThePlayerEndsWithThem) {
  ClearInstantMidiStream();
  MidiPlayer player(InstantMidiStream());
  ASSERT_TRUE(player.Load(kTune.data(), kTune.size()));
  ASSERT_TRUE(player.Play(false));
  EXPECT_TRUE(WaitFor([&player] { return !player.playing(); }, 3000));
  MidiStreamRecord stream = InstantMidiStreamRecord();
  ASSERT_GT(stream.played.size(), 3 * 1024 / sizeof(StreamEvent)) << "the buffers were refilled";
  EXPECT_EQ(stream.played, TuneEvents(1));
  EXPECT_EQ(stream.division, 96u);
  player.Stop();
  stream = InstantMidiStreamRecord();
  EXPECT_EQ(stream.prepared, 0);
  EXPECT_EQ(stream.closes, 1);
}

TEST(MidiPlayer, ALoopPlaysAgainUntilStopped) {
  ClearInstantMidiStream();
  MidiPlayer player(InstantMidiStream());
  ASSERT_TRUE(player.Load(kTune.data(), kTune.size()));
  ASSERT_TRUE(player.Play(true));
  const size_t pass = TuneEvents(1).size();
  ASSERT_TRUE(WaitFor([pass] { return InstantMidiStreamRecord().played.size() > 2 * pass; }, 3000));
  const DWORD stop = GetTickCount();
  player.Stop();
  EXPECT_LT(GetTickCount() - stop, 500u);
  EXPECT_FALSE(player.playing());
  const MidiStreamRecord stream = InstantMidiStreamRecord();
  const std::vector<StreamEvent> expected = TuneEvents(stream.played.size() / pass + 1);
  EXPECT_TRUE(std::equal(stream.played.begin(), stream.played.end(), expected.begin()));
  EXPECT_EQ(stream.queued, 0);
  EXPECT_EQ(stream.prepared, 0);
  EXPECT_EQ(stream.closes, 1);
  Sleep(50);
  EXPECT_EQ(InstantMidiStreamRecord().played.size(), stream.played.size()) << "nothing played after the stop";
}

TEST(MidiPlayer, TheMidiMapperPlaysWhereThereIsOneAndWhereNotNothingIsLeft) {
  const bool mapper = midiOutGetNumDevs() > 0;
  MidiPlayer player;
  ASSERT_TRUE(player.Load(kTune.data(), kTune.size()));
  EXPECT_EQ(player.Play(false), mapper);
  player.Stop();
  BackgroundMusic music;
  EXPECT_EQ(music.Start(kTune.data(), kTune.size(), music_play_mode::kLoop), mapper);
  music.Stop();

  const size_t handles = ProcessHandleCount();
  for (int i = 0; i < 50; ++i) {
    EXPECT_EQ(player.Play(i % 2), mapper);
    player.Stop();
  }
  EXPECT_TRUE(HandlesComeBackTo(handles));
}

}  // namespace
}  // namespace test
}  // namespace vx
