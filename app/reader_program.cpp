#include "app/reader_program.h"

#include <cstring>

#include "app/reader_calls.h"
#include "app/reader_constants.h"
#include "app/reader_handlers.h"
#include "app/reader_state.h"
#include "app/reader_template.h"
#include "app/reader_window.h"
#include "commands/control_look/set_control_look.h"
#include "commands/thread/thread_commands.h"
#include "speech/speech_library.h"
#include "speech/speech_unit.h"
#include "units/unit_types/core_unit_types.h"

namespace voxlet {
namespace {

// The exit routine: the speech object goes before the libraries are told the
// program ends, once no pause or resume routine can reach it any more.
void ProgramExit() {
  ReaderGlobals& state = ReaderState();
  WaitForPauseAndResume();
  CallSpeech(vx::SpeechDestroy);
  Runtime().free(state.speechUnit);
  state.speechUnit = nullptr;
}

}  // namespace

ReaderGlobals& ReaderState() {
  static ReaderGlobals globals;
  return globals;
}

const vx::ProgramHeader& ReaderHeader() {
  // Library numbers count from 1 in this order: core, speech, thread, control look.
  static const vx::LibraryRecord libraries[] = {vx::CoreLibrary(), vx::SpeechLibrary(), vx::ThreadLibrary(),
                                                vx::ControlLookLibrary()};
  static const vx::ProgramHeader header = {
      .mode = 3,
      .reserved1 = 0,
      .reserved2 = 0x100DF,
      .codeBase = ReaderHandlers(),
      .constantStart = &Constants(),
      .constantLength = sizeof(ReaderConstants),
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

int ReaderEntry(const vx::RuntimeHelperTable* runtime) {
  KeepRuntime(runtime);
  runtime->otherHelper(vx::other_helper::kInitRuntime);
  ReaderGlobals& state = ReaderState();
  state.speechUnit = static_cast<int32_t*>(runtime->allocate(2 * sizeof(int32_t)));
  std::memset(state.speechUnit, 0, 2 * sizeof(int32_t));
  CallSpeech(vx::SpeechCreate);
  runtime->otherHelper(vx::other_helper::kRegisterExitRoutine, &ProgramExit);
  runtime->loadStartupWindow(kReaderWindowId);
  runtime->runMessageLoop();
  return 0;
}

}  // namespace voxlet
