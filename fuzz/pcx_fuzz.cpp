// libFuzzer target: arbitrary bytes read as a PCX file. The reader must refuse them
// or give a picture whose block matches its layout, never touching memory outside
// the input or allocating from a size it has not checked.
#include "fuzz/picture_checks.h"
#include "pictures/pcx_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  vx::fuzz::CheckPicture(vx::ReadPcx({data, size}));
  return 0;
}
