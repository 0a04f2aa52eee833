// The speech object 机读文本: one voice of the speech platform per object, driven by
// the thirteen methods the program calls like library commands, with the object's
// instance block as argument 0.
//
// The instance block is the program's zero-filled 8-byte block; it holds the
// object's SpeechState pointer (in its first word on 32-bit Windows, in both words
// on 64-bit), null while the object is not created.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>

#include "contract/values.h"
#include "speech/platform/speech_platform.h"

namespace vx {

// Sent to the event target's window for every queued speech event: wParam the
// event id (1 speaking of an item starts, 2 it ends), lParam 0.
constexpr UINT kWmSpeechEvent = 0x8075;

// The file streams of SpeakToWaveFile take every event (SAPI's SPFEI_ALL_EVENTS).
constexpr uint64_t kAllEventsInterest = 0xEFFFFFFFFFFFFFFFull;

struct SpeechState {
  std::shared_ptr<SpeechPlatform> platform;
  // A state exists only while it holds its voice.
  std::unique_ptr<SpeechVoice> voice;
  // A second voice of the platform that SpeakToWaveFile renders with, configured
  // like the first each time: a rendering neither waits behind what the first
  // voice is speaking nor for its pause. Made on the first save.
  std::unique_ptr<SpeechVoice> renderer;
  // Expires with the state: the event forwarder sends messages whose handlers may
  // destroy or re-create the object, and must then touch nothing more.
  std::shared_ptr<const bool> alive = std::make_shared<const bool>(true);
  // The unit whose window receives kWmSpeechEvent, as window and unit id (window
  // id 0 while none was named). It is resolved through the runtime for every
  // delivery, so a unit destroyed meanwhile is never touched.
  uint32_t targetWindowId = 0;
  uint32_t targetUnitId = 0;
};

namespace speech_method {
constexpr int kSetVolume = 0;
constexpr int kSpeakToWaveFile = 1;
constexpr int kStopSpeaking = 2;
constexpr int kSelectVoice = 3;
constexpr int kReinitialize = 4;
constexpr int kListVoices = 5;
constexpr int kIsAvailable = 6;
constexpr int kSetRate = 7;
constexpr int kSpeakText = 8;
constexpr int kResumeSpeaking = 9;
constexpr int kPauseSpeaking = 10;
constexpr int kCreate = 11;
constexpr int kDestroy = 12;
}  // namespace speech_method

// The methods, each a LibraryCommand. Arguments after the object:
void SpeechSetVolume(MDATA* result, int count, MDATA* args);        // integer 0..100
void SpeechSpeakToWaveFile(MDATA* result, int count, MDATA* args);  // mode 0..3, text, file name
void SpeechStopSpeaking(MDATA* result, int count, MDATA* args);
void SpeechSelectVoice(MDATA* result, int count, MDATA* args);  // description
void SpeechReinitialize(MDATA* result, int count, MDATA* args);
void SpeechListVoices(MDATA* result, int count, MDATA* args);  // -> array of texts
void SpeechIsAvailable(MDATA* result, int count, MDATA* args);
void SpeechSetRate(MDATA* result, int count, MDATA* args);    // integer -10..10
void SpeechSpeakText(MDATA* result, int count, MDATA* args);  // mode, text, [wait ms], [UnitRef]
void SpeechResumeSpeaking(MDATA* result, int count, MDATA* args);
void SpeechPauseSpeaking(MDATA* result, int count, MDATA* args);
void SpeechCreate(MDATA* result, int count, MDATA* args);
void SpeechDestroy(MDATA* result, int count, MDATA* args);

// The platform later Creates make their voices on. Until one is set, the first
// Create chooses it with CreateSpeechPlatform.
void UseSpeechPlatform(std::shared_ptr<SpeechPlatform> platform);

}  // namespace vx
