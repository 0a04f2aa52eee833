// Linked statically: without this the eSpeak headers declare dllimport.
#define LIBESPEAK_NG_EXPORT
#include "speech/platform/espeak/espeak_library.h"

#include <windows.h>

#include <espeak-ng/espeak_ng.h>
#include <espeak-ng/speak_lib.h>

#include <clocale>
#include <mutex>

namespace vx::espeak {
namespace {

std::mutex& LibraryLock() {
  static std::mutex lock;
  return lock;
}

bool initialized = false;  // guarded by LibraryLock()

bool FileExists(const std::wstring& path) {
  DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// eSpeak opens its data with the ANSI file functions: a folder name outside ASCII
// is given by its short name, which is ASCII where short names exist.
bool AnsiPath(const std::wstring& folder, std::string* ansi) {
  std::wstring path = folder;
  DWORD length = GetShortPathNameW(folder.c_str(), nullptr, 0);
  if (length > 0) {
    std::wstring shortPath(length, L'\0');
    length = GetShortPathNameW(folder.c_str(), shortPath.data(), length);
    if (length > 0 && length < shortPath.size()) path = shortPath.substr(0, length);
  }
  for (wchar_t c : path) {
    if (c >= 0x80) return false;
  }
  ansi->assign(path.begin(), path.end());
  return ansi->size() < 230;  // eSpeak's own buffers for data paths are short
}

int OnSynthesis(short* samples, int count, espeak_EVENT* events) {
  const SampleSink* sink = static_cast<const SampleSink*>(events->user_data);
  if (samples && count > 0 && !(*sink)(reinterpret_cast<const int16_t*>(samples), count)) return 1;
  return 0;
}

}  // namespace

std::wstring DataFolderNextToExe() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return L"espeak-ng-data";
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    path.resize(path.size() * 2);
  }
  return path.substr(0, path.find_last_of(L"\\/") + 1) + L"espeak-ng-data";
}

bool Initialize(const std::wstring& dataFolder) {
  for (const wchar_t* name : {L"phontab", L"phonindex", L"phondata", L"intonations"}) {
    if (!FileExists(dataFolder + L"\\" + name)) return false;
  }
  std::lock_guard<std::mutex> lock(LibraryLock());
  if (initialized) return true;
  std::string path;
  if (!AnsiPath(dataFolder, &path)) return false;
  // eSpeak sets the C runtime's character locale for the whole process; the rest
  // of the program expects it unchanged.
  std::string locale = std::setlocale(LC_CTYPE, nullptr);
  int rate = espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, path.c_str(), espeakINITIALIZE_DONT_EXIT);
  std::setlocale(LC_CTYPE, locale.c_str());
  if (rate != kSampleRate) return false;
  espeak_SetSynthCallback(OnSynthesis);
  initialized = true;
  return true;
}

bool SynthesizeRun(const std::string& utf8, const char* voiceName, int wordsPerMinute,
                   bool endPause, const SampleSink& sink) {
  std::lock_guard<std::mutex> lock(LibraryLock());
  if (!initialized) return false;
  if (espeak_SetVoiceByName(voiceName) != EE_OK) return false;
  espeak_SetParameter(espeakRATE, wordsPerMinute, 0);
  // eSpeak's voice noise comes from a generator seeded with the time: a fixed seed
  // makes the same text sound the same every time, in a file as on the device.
  espeak_ng_SetRandSeed(1);
  unsigned flags = espeakCHARS_UTF8 | (endPause ? espeakENDPAUSE : 0);
  // The callback reaches the sink through the user data of its events; the wrapper
  // remembers a stop, which eSpeak itself does not report.
  bool stopped = false;
  SampleSink guarded = [&](const int16_t* samples, size_t count) {
    if (!sink(samples, count)) stopped = true;
    return !stopped;
  };
  espeak_ERROR result = espeak_Synth(utf8.c_str(), utf8.size() + 1, 0, POS_CHARACTER, 0, flags,
                                     nullptr, &guarded);
  return result == EE_OK && !stopped;
}

}  // namespace vx::espeak
