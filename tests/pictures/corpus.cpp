#include "tests/pictures/corpus.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>

namespace vx::test {
namespace {

// Relative to the tests' working folder, the test folder.
const std::string kCorpusFolder = "picture_corpus/";

std::vector<uint8_t> ReadBytes(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

}  // namespace

std::vector<CorpusPicture> ReadCorpus() {
  std::vector<CorpusPicture> corpus;
  std::ifstream list(kCorpusFolder + "corpus.txt");
  for (std::string line; std::getline(list, line);) {
    CorpusPicture file;
    std::istringstream(line) >> file.name >> file.entry >> file.width >> file.height >> file.tolerance;
    file.bytes = ReadBytes(kCorpusFolder + file.name);
    const std::vector<uint8_t> rgba = ReadBytes(kCorpusFolder + file.name + ".rgba");
    for (size_t i = 0; i + 3 < rgba.size(); i += 4)
      file.reference.push_back({rgba[i], rgba[i + 1], rgba[i + 2], rgba[i + 3]});
    corpus.push_back(std::move(file));
  }
  return corpus;
}

testing::AssertionResult SamePixels(const std::vector<Rgba>& ours, const CorpusPicture& file, bool alpha) {
  if (ours.size() != file.reference.size() || ours.size() != size_t{file.width} * file.height) {
    return testing::AssertionFailure() << ours.size() << " pixels against " << file.reference.size();
  }
  size_t differing = 0, first = 0;
  for (size_t i = 0; i < ours.size(); ++i) {
    const Rgba& a = ours[i];
    const Rgba& b = file.reference[i];
    if (a.a == 0 && b.a == 0) continue;
    const int worst =
        std::max({std::abs(a.r - b.r), std::abs(a.g - b.g), std::abs(a.b - b.b), alpha ? std::abs(a.a - b.a) : 0});
    if (worst > file.tolerance && differing++ == 0) first = i;
  }
  if (differing == 0) return testing::AssertionSuccess();
  const Rgba& a = ours[first];
  const Rgba& b = file.reference[first];
  return testing::AssertionFailure() << differing << " pixels differ; the first at (" << first % file.width << ", "
                                     << first / file.width << "): ours " << +a.r << "," << +a.g << "," << +a.b << ","
                                     << +a.a << ", ImageMagick's " << +b.r << "," << +b.g << "," << +b.b << "," << +b.a;
}

}  // namespace vx::test
