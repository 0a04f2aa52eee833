#include "app/reader_program.h"

#include "runtime/helper_table.h"

namespace voxlet {

const vx::ProgramHeader kReaderHeader = {
    .mode = 3,
    .reserved1 = 0,
    .reserved2 = 0x100DF,
    .codeBase = nullptr,
    .constantStart = nullptr,
    .constantLength = 0,
    .templateData = nullptr,
    .templateLength = 0,
    .libraryCount = 0,
    .libraries = nullptr,
    .dllCommandCount = 0,
    .dllFileNames = nullptr,
    .dllEntryNames = nullptr,
};

// The reader's entry routine. The window, the speech object and the message loop
// join it as their parts of the runtime land.
int ReaderEntry(const vx::RuntimeHelperTable* runtime) {
  runtime->otherHelper(vx::other_helper::kInitRuntime);
  return 0;
}

}  // namespace voxlet
