// Writes the fuzzer's seed corpus: the sample templates of the tests, whole and one
// window at a time, into the directory given.
#include <cstdio>
#include <string>
#include <vector>

#include "runtime/template/template_writer.h"
#include "tests/runtime/template/sample_template.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_seeds <corpus directory>\n");
    return 2;
  }
  const std::vector<vx::WindowDescription> windows = vx::test::SampleWindows();
  std::vector<std::vector<vx::WindowDescription>> seeds = {windows, {}};
  for (const vx::WindowDescription& window : windows) seeds.push_back({window});

  for (size_t i = 0; i < seeds.size(); ++i) {
    const std::vector<uint8_t> bytes = vx::WriteWindowTemplate(seeds[i]);
    const std::string path = std::string(argv[1]) + "/seed" + std::to_string(i);
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file || std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size()) return 1;
    std::fclose(file);
  }
  return 0;
}
