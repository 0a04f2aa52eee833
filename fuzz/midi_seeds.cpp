// Writes the MIDI fuzzer's seed corpus into the directory given: files of one and
// of several tracks with running status, tempo changes, system exclusive and meta
// events, and an empty track.
#include <vector>

#include "fuzz/seed_corpus.h"
#include "tests/sound/sound_images.h"

int main(int argc, char** argv) {
  using vx::test::MidiImage;
  using vx::test::MidiNotes;
  const std::vector<uint8_t> exclusive = {0,    0xF0, 3,   0x7E, 0x7F, 0xF7, 10, 0xC0, 5, 0x81, 0x00, 0xFF,
                                          0x03, 2,    'h', 'i',  0,    0xB0, 7,  100,  0, 0xFF, 0x2F, 0};
  const vx::fuzz::Seeds seeds = {
      MidiImage(0, 96, {MidiNotes(8, 0, 10)}),
      MidiImage(1, 480, {MidiNotes(20, 0, 5), MidiNotes(12, 9, 7), exclusive}),
      MidiImage(1, 0xE728, {{}, MidiNotes(3, 1, 1)}),
  };
  return vx::fuzz::WriteSeedCorpus(argc, argv, seeds);
}
