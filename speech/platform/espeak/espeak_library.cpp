// Linked statically: without this the eSpeak headers declare dllimport.
#define LIBESPEAK_NG_EXPORT
#include "speech/platform/espeak/espeak_library.h"

#include <windows.h>

#include <espeak-ng/espeak_ng.h>
#include <espeak-ng/speak_lib.h>

#include <clocale>
#include <cwctype>
#include <mutex>
#include <new>

#include "speech/platform/espeak/fair_lock.h"
#include "speech/platform/espeak/spoken_text.h"

namespace vx::espeak {
namespace {

// eSpeak keeps its data folder in a 230-byte buffer and appends names such as
// "\lang\sit\cmn" to it in buffers not much longer.
constexpr size_t kLongestDataPath = 180;

// The library and what it has loaded; all guarded by LibraryLock().
FairLock& LibraryLock() {
  static FairLock lock;
  return lock;
}
std::wstring initializedFolder;  // empty until initialised
std::string loadedVoice;
int loadedWordsPerMinute = 0;
std::atomic<uint64_t> voiceLoads{0};

struct Synthesis {
  const std::atomic<bool>* stop;
  std::vector<int16_t>* pcm;
  bool stopped = false;
  bool outOfMemory = false;
};

// Called from inside eSpeak's C code, which no exception may cross.
int OnSynthesis(short* samples, int count, espeak_EVENT* events) {
  auto* synthesis = static_cast<Synthesis*>(events->user_data);
  if (*synthesis->stop) {
    synthesis->stopped = true;
    return 1;  // eSpeak abandons the piece
  }
  try {
    if (samples && count > 0) synthesis->pcm->insert(synthesis->pcm->end(), samples, samples + count);
  } catch (const std::bad_alloc&) {
    synthesis->outOfMemory = true;
    return 1;
  }
  return 0;
}

// The folder as one spelling: full, without a trailing separator, lower case.
std::wstring SameFolderKey(const std::wstring& folder) {
  DWORD length = GetFullPathNameW(folder.c_str(), 0, nullptr, nullptr);
  std::wstring full(length, L'\0');
  if (length == 0 || GetFullPathNameW(folder.c_str(), length, full.data(), nullptr) >= length)
    full = folder;
  else
    full.resize(length - 1);
  while (!full.empty() && (full.back() == L'\\' || full.back() == L'/')) full.pop_back();
  for (wchar_t& c : full) c = static_cast<wchar_t>(std::towlower(c));
  return full;
}

}  // namespace

bool FileHoldsData(const std::wstring& path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  return GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data) &&
         !(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && (data.nFileSizeLow || data.nFileSizeHigh);
}

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
    if (!FileHoldsData(dataFolder + L"\\" + name)) return false;
  }
  std::wstring key = SameFolderKey(dataFolder);
  std::lock_guard<FairLock> lock(LibraryLock());
  if (!initializedFolder.empty()) return initializedFolder == key;
  std::string path = Utf8FromWide(key);
  if (path.size() > kLongestDataPath) return false;
  // eSpeak sets the C runtime's character locale for the whole process; the rest
  // of the program expects it unchanged.
  std::string locale = std::setlocale(LC_CTYPE, nullptr);
  int rate = espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, path.c_str(), espeakINITIALIZE_DONT_EXIT);
  std::setlocale(LC_CTYPE, locale.c_str());
  if (rate != kSampleRate) return false;
  espeak_SetSynthCallback(OnSynthesis);
  initializedFolder = key;
  return true;
}

bool SynthesizeTurn(const std::vector<std::string>& pieces, size_t first, const char* voiceName, int wordsPerMinute,
                    const std::atomic<bool>& stop, std::vector<std::vector<int16_t>>* made) {
  made->clear();
  std::lock_guard<FairLock> lock(LibraryLock());
  if (initializedFolder.empty() || stop) return false;
  if (loadedVoice != voiceName) {
    loadedVoice.clear();
    if (espeak_SetVoiceByName(voiceName) != EE_OK) return false;
    loadedVoice = voiceName;
    loadedWordsPerMinute = 0;
    ++voiceLoads;
  }
  if (loadedWordsPerMinute != wordsPerMinute) {
    espeak_SetParameter(espeakRATE, wordsPerMinute, 0);
    loadedWordsPerMinute = wordsPerMinute;
  }
  for (size_t piece = first; piece < pieces.size(); ++piece) {
    if (stop) return false;
    // eSpeak's voice noise comes from a generator seeded with the time: a fixed
    // seed makes the same text sound the same every time, in a file as on the
    // device.
    espeak_ng_SetRandSeed(1);
    made->emplace_back();
    Synthesis synthesis{&stop, &made->back()};
    const std::string& text = pieces[piece];
    espeak_ERROR result = espeak_Synth(text.c_str(), text.size() + 1, 0, POS_CHARACTER, 0,
                                       espeakCHARS_UTF8 | espeakENDPAUSE, nullptr, &synthesis);
    if (synthesis.outOfMemory) throw std::bad_alloc();
    if (result != EE_OK || synthesis.stopped) {
      made->pop_back();
      return false;
    }
    if (made->size() == kPiecesPerTurn || !LibraryLock().Contended()) break;
  }
  return true;
}

uint64_t VoiceLoads() { return voiceLoads; }

}  // namespace vx::espeak
