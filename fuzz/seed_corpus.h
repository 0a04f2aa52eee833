// The end of every seed generator: each seed into its own file, DIRECTORY/seedN,
// for the directory given on the command line.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace vx::fuzz {

using Seeds = std::vector<std::vector<uint8_t>>;

inline int WriteSeedCorpus(int argc, char** argv, const Seeds& seeds) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <corpus directory>\n", argv[0]);
    return 2;
  }
  for (size_t i = 0; i < seeds.size(); ++i) {
    const std::string path = std::string(argv[1]) + "/seed" + std::to_string(i);
    std::FILE* file = std::fopen(path.c_str(), "wb");
    const bool written = file && std::fwrite(seeds[i].data(), 1, seeds[i].size(), file) == seeds[i].size();
    if (file) std::fclose(file);
    if (!written) return 1;
  }
  return 0;
}

}  // namespace vx::fuzz
