// MIDI files written by an independent tool (csvmidi, from the CSV text each case
// gives) read and merged into MIDI stream events.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "sound/midi_file.h"
#include "sound/midi_sequence.h"

namespace vx {

bool operator==(const StreamEvent& a, const StreamEvent& b) {
  return a.delta == b.delta && a.streamId == b.streamId && a.event == b.event;
}
void PrintTo(const StreamEvent& e, std::ostream* out) {
  *out << "{delta " << e.delta << ", stream " << e.streamId << ", event 0x" << std::hex << e.event << std::dec << "}";
}

namespace test {
namespace {

namespace fs = std::filesystem;

// The MIDI file csvmidi writes for the CSV text (csvmidi writes running status).
std::vector<uint8_t> CsvMidi(const std::string& csv) {
  const fs::path folder = fs::temp_directory_path() / ("vx_midi_" + std::to_string(getpid()));
  fs::create_directories(folder);
  std::ofstream(folder / "in.csv") << csv;
  const std::string command =
      "csvmidi -z '" + (folder / "in.csv").string() + "' '" + (folder / "out.mid").string() + "'";
  EXPECT_EQ(std::system(command.c_str()), 0) << command;
  std::ifstream in(folder / "out.mid", std::ios::binary);
  std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(in), {}};
  fs::remove_all(folder);
  return bytes;
}

// The stream events of the file, read in fills of bufferBytes, at most limit of them.
std::vector<StreamEvent> Merge(const MidiFile& file, bool loop, size_t bufferBytes, size_t limit = 1000) {
  MidiSequence sequence(file, loop);
  std::vector<StreamEvent> events;
  std::vector<uint8_t> buffer(bufferBytes);
  while (!sequence.finished() && events.size() < limit) {
    const size_t bytes = sequence.Fill(buffer);
    EXPECT_EQ(bytes % sizeof(StreamEvent), 0u);
    for (size_t at = 0; at < bytes; at += sizeof(StreamEvent)) {
      StreamEvent event;
      std::memcpy(&event, buffer.data() + at, sizeof event);
      events.push_back(event);
    }
  }
  events.resize(std::min(events.size(), limit));
  return events;
}

StreamEvent Short(uint32_t delta, uint32_t message) { return {delta, 0, stream_event::kShortMessage | message}; }
StreamEvent Tempo(uint32_t delta, uint32_t microseconds) { return {delta, 0, stream_event::kTempo | microseconds}; }
StreamEvent Nop(uint32_t delta) { return {delta, 0, stream_event::kNop}; }

// Two tracks; running status in both; tempo changes, system exclusive and a
// sequence name in the first.
const char kTwoTracks[] = R"(0, 0, Header, 1, 2, 96
1, 0, Start_track
1, 0, Title_t, "tune"
1, 0, Tempo, 500000
1, 0, Note_on_c, 0, 60, 100
1, 48, Note_on_c, 0, 60, 0
1, 48, Note_on_c, 0, 62, 100
1, 96, Tempo, 250000
1, 96, System_exclusive, 3, 1, 2, 3
1, 100, Note_on_c, 0, 62, 0
1, 100, End_track
2, 0, Start_track
2, 10, Program_c, 1, 5
2, 20, Note_on_c, 1, 64, 90
2, 40, Pitch_bend_c, 1, 8192
2, 200000, Note_off_c, 1, 64, 0
2, 200000, End_track
0, 0, End_of_file
)";
const std::vector<StreamEvent> kTwoTracksMerged = {
    Nop(0),  // title
    Tempo(0, 500000),
    Short(0, 0x643C90),
    Short(10, 0x05C1),
    Short(10, 0x5A4091),
    Short(20, 0x4000E1),
    Short(8, 0x003C90),  // running status
    Short(0, 0x643E90),
    Tempo(48, 250000),
    Nop(0),  // system exclusive
    Short(4, 0x003E90),
    Nop(0),  // end of the first track
    Short(199900, 0x004081),
    Nop(0),
};

// Three tracks whose events fall at the same times: the earlier track goes first.
const char kSameTimes[] = R"(0, 0, Header, 1, 3, 480
1, 0, Start_track
1, 5, Control_c, 0, 7, 100
1, 5, End_track
2, 0, Start_track
2, 5, Control_c, 1, 7, 90
2, 5, End_track
3, 0, Start_track
3, 0, Control_c, 2, 7, 80
3, 5, Control_c, 2, 7, 70
3, 5, End_track
0, 0, End_of_file
)";
const std::vector<StreamEvent> kSameTimesMerged = {
    Short(0, 0x5007B2), Short(5, 0x6407B0), Nop(0), Short(0, 0x5A07B1), Nop(0), Short(0, 0x4607B2), Nop(0),
};

TEST(MidiSequence, TracksMergeInTimeOrderWithTheirDeltas) {
  const struct {
    const char* name;
    const char* csv;
    const std::vector<StreamEvent>& merged;
  } files[] = {{"two tracks", kTwoTracks, kTwoTracksMerged}, {"same times", kSameTimes, kSameTimesMerged}};
  // A stream buffer, and one that holds two events: filling in pieces changes nothing.
  for (size_t bufferBytes : {size_t{1024}, 2 * sizeof(StreamEvent) + 5}) {
    for (const auto& file : files) {
      SCOPED_TRACE(std::string(file.name) + ", buffer " + std::to_string(bufferBytes));
      const std::optional<MidiFile> midi = MidiFile::Read(CsvMidi(file.csv));
      ASSERT_TRUE(midi);
      EXPECT_EQ(Merge(*midi, false, bufferBytes), file.merged);
    }
  }
}

TEST(MidiSequence, TheHeaderIsReadBigEndian) {
  const std::optional<MidiFile> midi = MidiFile::Read(CsvMidi(kTwoTracks));
  ASSERT_TRUE(midi);
  EXPECT_EQ(midi->format(), 1);
  EXPECT_EQ(midi->trackCount(), 2u);
  EXPECT_EQ(midi->division(), 96);
}

TEST(MidiSequence, ALoopStartsAgainAtTheFirstEventsTime) {
  const std::optional<MidiFile> midi = MidiFile::Read(CsvMidi(kTwoTracks));
  ASSERT_TRUE(midi);
  const std::vector<StreamEvent> events = Merge(*midi, true, 1024, 3 * kTwoTracksMerged.size());
  ASSERT_EQ(events.size(), 3 * kTwoTracksMerged.size());
  for (size_t i = 0; i < events.size(); ++i) EXPECT_EQ(events[i], kTwoTracksMerged[i % kTwoTracksMerged.size()]) << i;

  const std::optional<MidiFile> late = MidiFile::Read(CsvMidi(R"(0, 0, Header, 0, 1, 96
1, 0, Start_track
1, 7, Note_on_c, 0, 60, 100
1, 30, End_track
0, 0, End_of_file
)"));
  ASSERT_TRUE(late);
  const std::vector<StreamEvent> pass = {Short(7, 0x643C90), Nop(23)};
  EXPECT_EQ(Merge(*late, true, 1024, 4), (std::vector<StreamEvent>{pass[0], pass[1], pass[0], pass[1]}));
}

TEST(MidiSequence, AFileThatTakesNoTimeIsNotLooped) {
  const std::optional<MidiFile> midi = MidiFile::Read(CsvMidi(R"(0, 0, Header, 0, 1, 96
1, 0, Start_track
1, 0, Note_on_c, 0, 60, 100
1, 0, End_track
0, 0, End_of_file
)"));
  ASSERT_TRUE(midi);
  EXPECT_EQ(Merge(*midi, true, 1024).size(), 2u);
}

TEST(MidiFile, MalformedHeadersAndTracksAreRefused) {
  const std::vector<uint8_t> good = CsvMidi(kTwoTracks);
  ASSERT_TRUE(MidiFile::Read(good));
  const size_t secondTrack = 14 + 8 + (good[18] << 24 | good[19] << 16 | good[20] << 8 | good[21]);
  auto changed = [&good](size_t at, std::vector<uint8_t> bytes) {
    std::vector<uint8_t> file = good;
    std::copy(bytes.begin(), bytes.end(), file.begin() + at);
    return file;
  };
  std::vector<uint8_t> longHeader = changed(7, {7});
  longHeader.insert(longHeader.begin() + 14, 0);
  const struct {
    const char* name;
    std::vector<uint8_t> file;
  } rows[] = {
      {"header length 7", longHeader},
      {"header length 5", changed(7, {5})},
      {"second track not MTrk", changed(secondTrack, {'M', 'T', 'r', 'x'})},
      {"more tracks than the file holds", changed(10, {0, 3})},
      {"no tracks", changed(10, {0, 0})},
      {"time division 0", changed(12, {0, 0})},
      {"track longer than the file", changed(secondTrack + 4, {0, 0, 1, 0})},
      {"first delta cut off", changed(secondTrack + 4, {0, 0, 0, 1, 0x81})},
      {"cut inside the header", std::vector<uint8_t>(good.begin(), good.begin() + 13)},
  };
  for (const auto& row : rows) EXPECT_FALSE(MidiFile::Read(row.file)) << row.name;
}

}  // namespace
}  // namespace test
}  // namespace vx
