// libFuzzer target: arbitrary bytes recognised as some kind of picture and read as
// a BMP file. The reader must refuse them or give a picture whose block matches its
// layout, never touching memory outside the input or allocating from a size it has
// not checked.
#include "fuzz/picture_checks.h"
#include "pictures/bmp_reader.h"
#include "pictures/picture_kind.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  vx::RecognisePicture({data, size});
  vx::fuzz::CheckPicture(vx::ReadBmp({data, size}));
  return 0;
}
