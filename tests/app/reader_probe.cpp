// The reader with probes: each handler that the runtime calls for an event is named
// on a line of the record file, then runs (handlers that other handlers call
// directly are not events and are not named); and, given a delay, the speech
// object's PauseSpeaking takes that long once it has its object, as an engine
// whose pause waits for the device would, and after the reader's exit routine the
// program takes a while to end, as a clean-up with more to do would.
//   reader_probe RECORD-FILE [PAUSE-MILLISECONDS]
#include <windows.h>

#include <shellapi.h>

#include <cstdint>
#include <string>
#include <utility>

#include "app/reader_handlers.h"
#include "app/reader_program.h"
#include "contract/helper_table.h"
#include "runtime/app_object.h"
#include "speech/speech_unit.h"

namespace {

// In the order of voxlet::ReaderHandler.
const char* const kNames[voxlet::kReaderHandlerCount] = {
    "onWindowCreated", "onStartPauseClicked", "onStopClicked", "onSaveAsClicked",  "onVolumeChanged",
    "onRateChanged",   "onVoiceChosen",       "onEditFocused", "onSpeechFeedback",
};

std::wstring recordPath;
DWORD pauseDelay = 0;
constexpr DWORD kLinger = 500;
const vx::RuntimeHelperTable* runtime = nullptr;
vx::RuntimeHelperTable probedRuntime;

vx::MDATA CallLibraryCommand(int library, vx::LibraryCommand command, int count, vx::MDATA* args) {
  if (command == vx::SpeechPauseSpeaking) Sleep(pauseDelay);
  return runtime->callLibraryCommand(library, command, count, args);
}

// Registered after the reader's exit routine, so it runs after it.
void LingerAfterTheExitRoutine() { Sleep(kLinger); }

void LoadStartupWindow(uint32_t window) {
  if (pauseDelay > 0) runtime->otherHelper(vx::other_helper::kRegisterExitRoutine, &LingerAfterTheExitRoutine);
  runtime->loadStartupWindow(window);
}

int ProbedEntry(const vx::RuntimeHelperTable* real) {
  runtime = real;
  probedRuntime = *real;
  probedRuntime.callLibraryCommand = CallLibraryCommand;
  probedRuntime.loadStartupWindow = LoadStartupWindow;
  return voxlet::ReaderEntry(&probedRuntime);
}

void Record(const char* name) {
  HANDLE file = CreateFileW(recordPath.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS, 0, nullptr);
  std::string line = std::string(name) + "\n";
  DWORD written = 0;
  WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
  CloseHandle(file);
}

template <int Slot>
int64_t Probed(const vx::EventArguments& arguments) {
  Record(kNames[Slot]);
  return voxlet::ReaderHandlers()[Slot].function(arguments);
}

template <int... Slots>
const vx::ProgramHandler* ProbedHandlers(std::integer_sequence<int, Slots...>) {
  static const vx::ProgramHandler handlers[] = {{&Probed<Slots>, voxlet::ReaderHandlers()[Slots].returnsValue}...};
  return handlers;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  int count = 0;
  wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  if (!arguments || count < 2 || count > 3) return 2;
  recordPath = arguments[1];
  if (count == 3) pauseDelay = static_cast<DWORD>(_wtoi(arguments[2]));
  LocalFree(arguments);
  static vx::ProgramHeader header = voxlet::ReaderHeader();
  header.codeBase = ProbedHandlers(std::make_integer_sequence<int, voxlet::kReaderHandlerCount>());
  return vx::RunProgram(header, ProbedEntry);
}
