#include "app/reader_program.h"

#include "app/reader_handlers.h"
#include "app/reader_template.h"
#include "app/reader_window.h"
#include "runtime/helper_operations.h"
#include "speech/speech_library.h"
#include "units/unit_types/core_unit_types.h"

namespace voxlet {
namespace {

// The reader's handler table, in ReaderHandler order. The handlers join it with
// the reader's behaviour; an empty slot is a binding without a handler yet.
const vx::ProgramHandler kHandlers[kReaderHandlerCount] = {};

}  // namespace

const vx::ProgramHeader& ReaderHeader() {
  static const vx::LibraryRecord libraries[] = {vx::CoreLibrary(), vx::SpeechLibrary()};
  static const vx::ProgramHeader header = {
      .mode = 3,
      .reserved1 = 0,
      .reserved2 = 0x100DF,
      .codeBase = kHandlers,
      .constantStart = nullptr,
      .constantLength = 0,
      .templateData = ReaderTemplate().data(),
      .templateLength = static_cast<uint32_t>(ReaderTemplate().size()),
      .libraryCount = sizeof libraries / sizeof libraries[0],
      .libraries = libraries,
      .dllCommandCount = 0,
      .dllFileNames = nullptr,
      .dllEntryNames = nullptr,
  };
  return header;
}

// Start-up, the reader window, the loop. The speech object and the exit routine
// join it with the reader's handlers.
int ReaderEntry(const vx::RuntimeHelperTable* runtime) {
  runtime->otherHelper(vx::other_helper::kInitRuntime);
  runtime->loadStartupWindow(kReaderWindowId);
  runtime->runMessageLoop();
  return 0;
}

}  // namespace voxlet
