// The picture corpus: files that ImageMagick wrote and its own decode of each,
// made by make_corpus.py into the test folder before the tests that read it.
#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace vx::test {

struct Rgba {
  uint8_t r, g, b, a;
  bool operator==(const Rgba&) const = default;
};

struct CorpusPicture {
  std::string name;
  size_t entry;  // the image compared: for icons, the directory entry to choose
  uint32_t width, height;
  int tolerance;  // in each channel
  std::vector<uint8_t> bytes;
  std::vector<Rgba> reference;  // ImageMagick's pixels, rows top-down
};

std::vector<CorpusPicture> ReadCorpus();

// Each pixel within the tolerance of the reference's in colour, and in alpha when
// `alpha`; pixels that are transparent in both match whatever their colour.
testing::AssertionResult SamePixels(const std::vector<Rgba>& ours, const CorpusPicture& file, bool alpha);

}  // namespace vx::test
