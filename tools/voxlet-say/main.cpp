// voxlet-say: lists the voices, speaks a text file aloud or renders it to a WAV
// file, all through the speech object's methods as the reader calls them.
//
//   voxlet-say --version
//   voxlet-say --list
//   voxlet-say [options] --speak TEXTFILE
//   voxlet-say [options] --wav OUT.wav TEXTFILE
// options: --rate -10..10, --volume 0..100, --voice DESCRIPTION (as --list shows it)
#include <windows.h>

#include <shellapi.h>

#include <cstdio>
#include <cstring>
#include <cwchar>
#include <string>
#include <vector>

#include "runtime/framework/gbk.h"
#include "runtime/heap.h"
#include "runtime/helper_operations.h"
#include "runtime/runtime_error.h"
#include "runtime/runtime_notify.h"
#include "speech/speech_library.h"
#include "speech/speech_unit.h"
#include "tools/voxlet-say/text_file.h"

namespace {

namespace method = vx::speech_method;

struct Options {
  bool version = false;
  bool list = false;
  std::wstring speakFile;
  std::wstring wavFile;
  std::wstring textFile;
  std::wstring voice;
  bool hasRate = false, hasVolume = false, hasVoice = false;
  int rate = 0, volume = 100;
};

int Usage() {
  std::fputs(
      "usage: voxlet-say --version\n"
      "       voxlet-say --list\n"
      "       voxlet-say [options] --speak TEXTFILE\n"
      "       voxlet-say [options] --wav OUT.wav TEXTFILE\n"
      "options: --rate -10..10  --volume 0..100  --voice DESCRIPTION\n"
      "Text files may be GBK or UTF-8.\n",
      stderr);
  return 2;
}

bool ParseOptions(int count, wchar_t** arguments, Options* options) {
  for (int i = 1; i < count; ++i) {
    std::wstring argument = arguments[i];
    bool hasValue = i + 1 < count;
    if (argument == L"--version") {
      options->version = true;
    } else if (argument == L"--list") {
      options->list = true;
    } else if (argument == L"--speak" && hasValue) {
      options->textFile = arguments[++i];
      options->speakFile = options->textFile;
    } else if (argument == L"--wav" && i + 2 < count) {
      options->wavFile = arguments[++i];
      options->textFile = arguments[++i];
    } else if (argument == L"--rate" && hasValue) {
      options->rate = _wtoi(arguments[++i]);
      options->hasRate = true;
    } else if (argument == L"--volume" && hasValue) {
      options->volume = _wtoi(arguments[++i]);
      options->hasVolume = true;
    } else if (argument == L"--voice" && hasValue) {
      options->voice = arguments[++i];
      options->hasVoice = true;
    } else {
      return false;
    }
  }
  return options->version || options->list || !options->textFile.empty();
}

// The program's speech object: its instance block and its methods.
class SpeechObject {
 public:
  SpeechObject() { Call(method::kCreate); }
  ~SpeechObject() { Call(method::kDestroy); }

  vx::MDATA Call(int number, std::vector<vx::MDATA> arguments = {}) {
    vx::MDATA self = {};
    self.pointer = block_;
    self.type = vx::kSpeechObjectType;
    arguments.insert(arguments.begin(), self);
    return vx::CallLibraryCommand(vx::kSpeechLibraryNumber, vx::SpeechCommands()[number],
                                  static_cast<int>(arguments.size()), arguments.data());
  }
  bool Logical(int number, std::vector<vx::MDATA> arguments = {}) {
    return Call(number, std::move(arguments)).intValue;
  }

 private:
  alignas(8) uint32_t block_[2] = {0, 0};
};

vx::MDATA Int(int32_t value) {
  vx::MDATA m = {};
  m.intValue = value;
  m.type = vx::type::kInt;
  return m;
}
vx::MDATA Text(const std::string& gbk) {
  vx::MDATA m = {};
  m.text = const_cast<char*>(gbk.c_str());
  m.type = vx::type::kText;
  return m;
}

int ListVoices(SpeechObject& speech) {
  vx::MDATA result = speech.Call(method::kListVoices);
  int32_t* list = result.block;
  if (!list) return 1;
  auto** voices = reinterpret_cast<char**>(vx::ArrayElements(list));
  for (int32_t i = 0; i < list[1]; ++i) {
    std::printf("%s\n", voices[i] ? voxlet_say::Utf8FromGbk(voices[i]).c_str() : "");
    vx::Free(voices[i]);
  }
  vx::Free(list);
  return 0;
}

int Run(const Options& options) {
  if (options.version) {
    std::printf("voxlet-say %s\n", VOXLET_VERSION);
    return 0;
  }
  vx::SpeechLibraryNotify(vx::library_notice::kStart, reinterpret_cast<intptr_t>(&vx::RuntimeNotify), 0);
  SpeechObject speech;
  if (!speech.Logical(method::kIsAvailable)) {
    std::fputs("voxlet-say: no speech engine can be created\n", stderr);
    return 1;
  }
  if (options.list) return ListVoices(speech);

  if (options.hasVoice && !speech.Logical(method::kSelectVoice, {Text(vx::GbkFromWide(options.voice))})) {
    std::fputs("voxlet-say: no voice has that description (see --list)\n", stderr);
    return 1;
  }
  if (options.hasRate && !speech.Logical(method::kSetRate, {Int(options.rate)})) {
    std::fputs("voxlet-say: the rate runs from -10 to 10\n", stderr);
    return 2;
  }
  if (options.hasVolume && !speech.Logical(method::kSetVolume, {Int(options.volume)})) {
    std::fputs("voxlet-say: the volume runs from 0 to 100\n", stderr);
    return 2;
  }
  std::string text;
  if (!voxlet_say::ReadTextFileAsGbk(options.textFile, &text)) {
    std::fputs("voxlet-say: cannot read the text file\n", stderr);
    return 1;
  }
  if (!options.wavFile.empty()) {
    if (!speech.Logical(method::kSpeakToWaveFile, {Int(0), Text(text), Text(vx::GbkFromWide(options.wavFile))})) {
      std::fprintf(stderr,
                   "voxlet-say: rendering into %s failed: the file cannot be created or the speech "
                   "cannot be made\n",
                   voxlet_say::Utf8FromGbk(vx::GbkFromWide(options.wavFile)).c_str());
      return 1;
    }
    return 0;
  }
  // A negative wait: return when everything was spoken.
  if (!speech.Logical(method::kSpeakText, {Int(0), Text(text), Int(-1)})) {
    std::fputs("voxlet-say: cannot speak (is there an audio device?)\n", stderr);
    return 1;
  }
  return 0;
}

// A fatal runtime error ends the tool with its message on stderr, not in a box
// that nobody at a terminal or in a script may be there to close.
[[noreturn]] void ReportFatalError(const char* message, int) {
  std::fprintf(stderr, "voxlet-say: %s\n", voxlet_say::Utf8FromGbk(message ? message : "").c_str());
  ExitProcess(static_cast<UINT>(-1));
}

}  // namespace

int main() {
  vx::InstallRuntimeErrorReport(ReportFatalError);
  int count = 0;
  wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  Options options;
  int status = arguments && ParseOptions(count, arguments, &options) ? Run(options) : Usage();
  LocalFree(arguments);
  return status;
}
