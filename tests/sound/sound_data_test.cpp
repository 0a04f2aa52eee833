// Sound values told apart by their first bytes, and the chunks a WAV image plays.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "runtime/framework/archive_writer.h"
#include "sound/sound_kind.h"
#include "sound/wave_data.h"
#include "tests/sound/sound_images.h"

namespace vx::test {
namespace {

using namespace std::string_literals;

std::vector<uint8_t> Bytes(const std::string& text) { return {text.begin(), text.end()}; }

TEST(SoundKind, TheFirstBytesTellWavFromMidi) {
  const struct {
    std::string bytes;
    SoundKind kind;
  } rows[] = {
      {"RIFF\x24\0\0\0WAVE"s, SoundKind::kWave},
      {"RIFF\x24\0\0\0WAV"s, SoundKind::kUnknown},  // 11 bytes
      {"RIFF\x24\0\0\0AVI "s, SoundKind::kUnknown},
      {"MThd\0"s, SoundKind::kMidi},
      {"MThd", SoundKind::kUnknown},  // 4 bytes
      {"MTrk\0\0\0\0", SoundKind::kUnknown},
      {"", SoundKind::kUnknown},
  };
  for (const auto& row : rows) EXPECT_EQ(RecogniseSound(Bytes(row.bytes)), row.kind) << row.bytes.size();
}

const std::vector<uint8_t> kMono16 = PcmFormat(1, 22050, 16);
const std::vector<uint8_t> kStereo16 = PcmFormat(2, 22050, 16);
const std::vector<uint8_t> kSamples = {1, 2, 3, 4, 5, 6, 7, 8};
const std::vector<uint8_t> kOddBody = {9, 9, 9};

// A format chunk of a compressed kind, with extra bytes after the common fields.
std::vector<uint8_t> FormatWithExtra(uint16_t extraClaimed, size_t extraPresent) {
  ArchiveWriter out;
  out.U16(2).U16(1).U32(22050).U32(11025).U16(4).U16(4).U16(extraClaimed);
  for (size_t i = 0; i < extraPresent; ++i) out.Bytes(std::vector<uint8_t>{0xEE});
  return out.Take();
}

TEST(WaveData, TheChunkWalkFindsFormatAndSamples) {
  const struct {
    const char* name;
    std::vector<uint8_t> image;
    std::vector<uint8_t> samples;  // empty: refused
    size_t formatSize = kWaveFormatSize;
  } rows[] = {
      {"fmt then data", RiffWave({{"fmt ", kMono16}, {"data", kSamples}}), kSamples},
      {"data before fmt", RiffWave({{"data", kSamples}, {"fmt ", kMono16}}), kSamples},
      {"odd chunks padded", RiffWave({{"LIST", kOddBody}, {"fmt ", kMono16}, {"junk", kOddBody}, {"data", kSamples}}),
       kSamples},
      {"first fmt and data win",
       RiffWave({{"fmt ", kMono16}, {"data", kSamples}, {"fmt ", kStereo16}, {"data", kOddBody}}), kSamples},
      {"data cut short plays what is there", RiffWave({{"fmt ", kMono16}, {"data", kSamples, 1000}}), kSamples},
      {"data claiming 4 GB", RiffWave({{"fmt ", kMono16}, {"data", kSamples, 0xFFFFFFFF}}), kSamples},
      {"only whole frames", RiffWave({{"fmt ", kStereo16}, {"data", {1, 2, 3, 4, 5, 6, 7}, 100}}), {1, 2, 3, 4}},
      {"extra format bytes kept", RiffWave({{"fmt ", FormatWithExtra(2, 2)}, {"data", kSamples}}), kSamples,
       kWaveFormatSize + 2},
      {"extra format bytes counted as present", RiffWave({{"fmt ", FormatWithExtra(40, 3)}, {"data", kSamples}}),
       kSamples, kWaveFormatSize + 3},
      {"no data chunk", RiffWave({{"fmt ", kMono16}, {"LIST", kSamples}}), {}},
      {"no fmt chunk", RiffWave({{"LIST", kMono16}, {"data", kSamples}}), {}},
      {"empty data chunk", RiffWave({{"fmt ", kMono16}, {"data", {}}}), {}},
      {"data of less than a frame", RiffWave({{"fmt ", kStereo16}, {"data", {1, 2, 3}}}), {}},
      {"fmt shorter than 16 bytes", RiffWave({{"fmt ", std::vector<uint8_t>(14)}, {"data", kSamples}}), {}},
      {"fmt cut short", RiffWave({{"data", kSamples}, {"fmt ", kMono16, 40}}), {}},
      {"data after the RIFF size", RiffWave({{"fmt ", kMono16}, {"data", kSamples}}, 4 + 8 + 16), {}},
      {"a huge chunk ends the walk", RiffWave({{"junk", kOddBody, 0xFFFFFFF0}, {"fmt ", kMono16}}), {}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    const std::optional<WaveData> wave = ReadWaveData(row.image);
    ASSERT_EQ(wave.has_value(), !row.samples.empty());
    if (!wave) continue;
    EXPECT_EQ(std::vector<uint8_t>(wave->samples.begin(), wave->samples.end()), row.samples);
    EXPECT_EQ(wave->format.size(), row.formatSize);
  }
}

TEST(WaveData, APcmFormatGetsNoExtraBytes) {
  const std::optional<WaveData> wave = ReadWaveData(RiffWave({{"data", kSamples}, {"fmt ", kStereo16}}));
  ASSERT_TRUE(wave);
  std::vector<uint8_t> expected = kStereo16;
  expected.insert(expected.end(), {0, 0});
  EXPECT_EQ(wave->format, expected);
  EXPECT_EQ(wave->formatTag(), 1);
}

}  // namespace
}  // namespace vx::test
