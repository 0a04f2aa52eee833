#include "speech/speech_library.h"

#include "runtime/framework/unit_type_record.h"
#include "speech/speech_unit.h"

namespace vx {
namespace {

constexpr LibraryCommand kCommands[kSpeechCommandCount] = {
    SpeechSetVolume,     SpeechSpeakToWaveFile, SpeechStopSpeaking, SpeechSelectVoice, SpeechReinitialize,
    SpeechListVoices,    SpeechIsAvailable,     SpeechSetRate,      SpeechSpeakText,   SpeechResumeSpeaking,
    SpeechPauseSpeaking, SpeechCreate,          SpeechDestroy,
};

// The type's methods are the command table's entries 0 to 12.
constexpr int32_t kMethods[kSpeechCommandCount] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};

// An object type: no window, properties or events.
constexpr UnitTypeInfo kSpeechObjectTypeInfo =
    UnitTypeRecord({"机读文本", "VXTextToSpeech", "朗读文本或将其保存为声音文件"}, 0, {}, nullptr, kMethods);

const LibraryRecord kSpeechLibrary = {SpeechLibraryNotify, 1, &kSpeechObjectTypeInfo};

}  // namespace

intptr_t SpeechLibraryNotify(int32_t code, intptr_t param1, intptr_t) {
  if (code != library_notice::kStart) return -1;
  SpeechLibraryLink().Connect(reinterpret_cast<NotifyFn>(param1));
  return 0;
}

RuntimeLink& SpeechLibraryLink() {
  static RuntimeLink link;
  return link;
}

const LibraryCommand* SpeechCommands() { return kCommands; }

const LibraryRecord& SpeechLibrary() { return kSpeechLibrary; }

}  // namespace vx
