// Writes the WAV fuzzer's seed corpus into the directory given: images with their
// chunks in either order, padded odd chunks, a cut data chunk and extra format bytes.
#include <vector>

#include "fuzz/seed_corpus.h"
#include "tests/sound/sound_images.h"

int main(int argc, char** argv) {
  using vx::test::PcmFormat;
  using vx::test::RiffWave;
  const std::vector<uint8_t> samples = vx::test::SampleBytes({0, 1000, -1000, 2000, -2000, 0});
  const std::vector<uint8_t> odd = {1, 2, 3};
  const std::vector<uint8_t> extensible = {0xFE, 0xFF, 2,  0, 0x22, 0x56, 0, 0,    0x88, 0x58, 1,    0,   4, 0,
                                           16,   0,    22, 0, 16,   0,    3, 0,    0,    0,    1,    0,   0, 0,
                                           0,    0,    16, 0, 0x80, 0,    0, 0xAA, 0,    0x38, 0x9B, 0x71};
  const vx::fuzz::Seeds seeds = {
      vx::test::PcmWave({0, 100, -100, 200}, 22050),
      RiffWave({{"data", samples}, {"fmt ", PcmFormat(2, 44100, 16)}}),
      RiffWave({{"LIST", odd}, {"fmt ", PcmFormat(1, 8000, 8)}, {"data", odd}}),
      RiffWave({{"fmt ", PcmFormat(1, 11025, 16)}, {"data", samples, 4000}}),
      RiffWave({{"fmt ", extensible}, {"data", samples}}),
  };
  return vx::fuzz::WriteSeedCorpus(argc, argv, seeds);
}
