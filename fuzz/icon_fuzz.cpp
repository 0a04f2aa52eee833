// libFuzzer target: arbitrary bytes read as an icon or cursor directory. The
// chosen image must lie inside the input, with a size.
#include <cstddef>
#include <cstdint>

#include "pictures/icon_directory.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::optional<vx::IconImage> image = vx::ChooseIconImage({data, size});
  if (!image) return 0;
  if (image->bytes.data() < data || image->bytes.data() + image->bytes.size() > data + size) __builtin_trap();
  if (image->width == 0 || image->height == 0) __builtin_trap();
  return 0;
}
