// Writes the fuzzer's seed corpus: the sample templates of the tests, whole and one
// window at a time, into the directory given.
#include <vector>

#include "fuzz/seed_corpus.h"
#include "runtime/template/template_writer.h"
#include "tests/runtime/template/sample_template.h"

int main(int argc, char** argv) {
  const std::vector<vx::WindowDescription> windows = vx::test::SampleWindows();
  std::vector<std::vector<vx::WindowDescription>> templates = {windows, {}};
  for (const vx::WindowDescription& window : windows) templates.push_back({window});
  vx::fuzz::Seeds seeds;
  for (const auto& description : templates) seeds.push_back(vx::WriteWindowTemplate(description));
  return vx::fuzz::WriteSeedCorpus(argc, argv, seeds);
}
