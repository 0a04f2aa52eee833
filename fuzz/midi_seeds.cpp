// Writes the MIDI fuzzer's seed corpus into the directory given: files of one and
// of several tracks with running status, tempo changes, system exclusive and meta
// events, and an empty track.
#include <cstdio>
#include <string>
#include <vector>

#include "tests/sound/sound_images.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: midi_seeds <corpus directory>\n");
    return 2;
  }
  using vx::test::MidiImage;
  using vx::test::MidiNotes;
  const std::vector<uint8_t> exclusive = {0,    0xF0, 3,   0x7E, 0x7F, 0xF7, 10, 0xC0, 5, 0x81, 0x00, 0xFF,
                                          0x03, 2,    'h', 'i',  0,    0xB0, 7,  100,  0, 0xFF, 0x2F, 0};
  const std::vector<std::vector<uint8_t>> seeds = {
      MidiImage(0, 96, {MidiNotes(8, 0, 10)}),
      MidiImage(1, 480, {MidiNotes(20, 0, 5), MidiNotes(12, 9, 7), exclusive}),
      MidiImage(1, 0xE728, {{}, MidiNotes(3, 1, 1)}),
  };
  for (size_t i = 0; i < seeds.size(); ++i) {
    const std::string path = std::string(argv[1]) + "/seed" + std::to_string(i);
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file || std::fwrite(seeds[i].data(), 1, seeds[i].size(), file) != seeds[i].size()) return 1;
    std::fclose(file);
  }
  return 0;
}
