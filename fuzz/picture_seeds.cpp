// Writes the picture fuzzers' seed corpus into the directory given: small pictures
// of every kind and depth, for every picture target alike (each target's reader
// refuses the others' quickly, and the recognition target reads them all).
#include <png.h>

#include <vector>

#include "fuzz/seed_corpus.h"
#include "tests/pictures/sample_pictures.h"

int main(int argc, char** argv) {
  using namespace vx::test;
  vx::fuzz::Seeds seeds;
  for (uint16_t bits : {1, 4, 8, 24, 32}) seeds.push_back(SampleBmp(bits, 5, 3));
  seeds.push_back(SampleBmp(24, 3, -2));
  seeds.push_back(SampleGif(5, 3));
  seeds.push_back(SampleGif(9, 9, 3));
  seeds.push_back(SamplePcx(8, 5, 3));
  seeds.push_back(SamplePcx(1, 13, 2));
  const IconEntry entries[] = {{16, 0, 32}, {32, 16, 4}, {16, 0, 8}};
  seeds.push_back(SampleIcon(entries));
  seeds.push_back(SampleIcon(std::span(entries, 1), 2));
  const uint32_t pngFormats[] = {PNG_FORMAT_GRAY, PNG_FORMAT_GA, PNG_FORMAT_RGB, PNG_FORMAT_RGBA,
                                 PNG_FORMAT_LINEAR_RGB_ALPHA};
  for (uint32_t format : pngFormats) seeds.push_back(SamplePng(5, 3, format));
  seeds.push_back(SampleJpeg(9, 9, false, false));
  seeds.push_back(SampleJpeg(9, 9, true, false));
  seeds.push_back(SampleJpeg(9, 9, false, true));

  return vx::fuzz::WriteSeedCorpus(argc, argv, seeds);
}
