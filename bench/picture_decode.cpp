// Decodes picture files with Voxlet's readers and with stb_image, each file of a
// format in turn, and prints per format the best of several runs in milliseconds:
//   picture_decode RUNS FORMAT OURS_FILES... -- STB_FILES... [FORMAT ...]
// Each format's two lists name the same pictures (stb_image reads no PCX: its list
// may hold the same pictures in another format).
#define STB_IMAGE_IMPLEMENTATION
#include <stb/stb_image.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "pictures/picture_kind.h"
#include "pictures/pixel_picture.h"

namespace {

using Files = std::vector<std::vector<uint8_t>>;

std::vector<uint8_t> ReadFile(const char* path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

template <typename Decode>
double BestMilliseconds(int runs, const Files& files, Decode decode) {
  double best = 1e30;
  for (int run = 0; run < runs; ++run) {
    const auto start = std::chrono::steady_clock::now();
    for (const std::vector<uint8_t>& file : files) {
      if (!decode(file)) {
        std::fprintf(stderr, "picture_decode: a file did not decode\n");
        std::exit(1);
      }
    }
    best = std::min(best, std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
  }
  return best;
}

bool Ours(const std::vector<uint8_t>& file) {
  return vx::ReadPixelPicture(vx::RecognisePicture(file), file).has_value();
}

bool Stb(const std::vector<uint8_t>& file) {
  int width, height, channels;
  stbi_uc* pixels = stbi_load_from_memory(file.data(), static_cast<int>(file.size()), &width, &height, &channels, 0);
  stbi_image_free(pixels);
  return pixels != nullptr;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return 2;
  const int runs = std::atoi(argv[1]);
  for (int i = 2; i < argc;) {
    const std::string format = argv[i++];
    Files ours, stb;
    while (i < argc && std::string(argv[i]) != "--") ours.push_back(ReadFile(argv[i++]));
    ++i;
    while (i < argc && std::string(argv[i]).find('.') != std::string::npos) stb.push_back(ReadFile(argv[i++]));
    const double oursMs = BestMilliseconds(runs, ours, Ours), stbMs = BestMilliseconds(runs, stb, Stb);
    std::printf("%s %.2f %.2f %.2fx\n", format.c_str(), oursMs, stbMs, oursMs / stbMs);
  }
  return 0;
}
