// libFuzzer target: arbitrary bytes read as a GIF file. The reader must refuse them
// or give a picture whose block matches its layout, never touching memory outside
// the input or allocating from a size it has not checked.
#include "fuzz/picture_checks.h"
#include "pictures/gif_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  vx::fuzz::CheckPicture(vx::ReadGif({data, size}));
  return 0;
}
