#include "speech/speech_unit.h"

#include <objbase.h>

#include <new>
#include <string>
#include <vector>

#include "runtime/framework/gbk.h"
#include "runtime/framework/unit_object.h"
#include "speech/platform/speech_platform_choice.h"
#include "speech/speech_library.h"
#include "speech/voice_catalogue.h"

namespace vx {
namespace {

std::shared_ptr<SpeechPlatform>& ChosenPlatform() {
  static std::shared_ptr<SpeechPlatform> platform;
  return platform;
}

std::shared_ptr<SpeechPlatform> PlatformForNewVoice() {
  std::shared_ptr<SpeechPlatform>& chosen = ChosenPlatform();
  if (!chosen) chosen = CreateSpeechPlatform();
  return chosen;
}

// The state slot inside the instance block (argument 0).
SpeechState** StateSlot(int count, MDATA* args) {
  if (count < 1 || !args[0].pointer) return nullptr;
  static_assert(sizeof(SpeechState*) <= 8, "the state pointer lives in the 8-byte instance block");
  return static_cast<SpeechState**>(args[0].pointer);
}

void SetLogical(MDATA* result, bool value) {
  result->raw = 0;
  result->intValue = value ? 1 : 0;
  result->type = type::kBool;
}

// The common prologue: result false, then the state if it holds a voice.
SpeechState* Prologue(MDATA* result, int count, MDATA* args) {
  SetLogical(result, false);
  SpeechState** slot = StateSlot(count, args);
  SpeechState* state = slot ? *slot : nullptr;
  return state && state->voice ? state : nullptr;
}

int32_t IntArgument(int count, const MDATA* args, int index) { return index < count ? args[index].intValue : 0; }

// The null text is the empty text.
const char* TextArgument(int count, const MDATA* args, int index) {
  const char* text = index < count ? args[index].text : nullptr;
  return text ? text : "";
}

bool ValidMode(int32_t mode) { return mode >= 0 && mode <= 3; }

constexpr DWORD kAsyncFlags[3] = {kSpeakAsync, kSpeakAsync | kSpeakIsFilename, kSpeakAsync | kSpeakIsXml};
constexpr DWORD kSyncFlags[3] = {0, kSpeakIsFilename, kSpeakIsXml};

// A file name of at most 259 UTF-16 units, like the 260-unit buffer SAPI's paths use.
constexpr size_t kMaxFileNameUnits = 259;

HWND TargetWindow(const SpeechState& state) {
  if (state.targetWindowId == 0) return nullptr;
  auto* target = SpeechLibraryLink().FindUnit(state.targetWindowId, state.targetUnitId);
  return target ? target->handle() : nullptr;
}

// Sends the voice's queued events to the target's window, one message each, for
// as long as a target can be resolved. False when a handler destroyed the object.
bool SendEvents(SpeechState* state, SpeechVoice& voice) {
  std::weak_ptr<const bool> alive = state->alive;
  SpeechEvent event;
  HWND target;
  while ((target = TargetWindow(*state)) && voice.GetEvents(1, &event, nullptr) == S_OK) {
    // SAPI's 16-bit event id, widened with its sign.
    auto id = static_cast<WPARAM>(static_cast<intptr_t>(static_cast<int16_t>(event.eventId)));
    SendMessageW(target, kWmSpeechEvent, id, 0);
    if (alive.expired()) return false;
  }
  return true;
}

// Runs on the thread that created the voices, from its message loop, once either
// voice queued events. Without a target the events stay queued for a later
// delivery. A rendering's events follow once the voice has nothing left to speak,
// where a rendering queued on the voice itself would have come: a program that
// tracks whether speech runs by the last event sees a paused or running item as
// running until it ends.
void __stdcall ForwardSpeechEvents(WPARAM wParam, LPARAM) {
  auto* state = reinterpret_cast<SpeechState*>(wParam);
  if (!state->voice || !SendEvents(state, *state->voice)) return;
  if (state->renderer && state->voice->WaitUntilDone(0) == S_OK) SendEvents(state, *state->renderer);
}

// The state's renderer, made on first use with the same interest and forwarder as
// its voice; null when the platform cannot make another voice.
SpeechVoice* Renderer(SpeechState& state) {
  if (!state.renderer) {
    std::unique_ptr<SpeechVoice> renderer;
    if (FAILED(state.platform->CreateVoice(&renderer)) || !renderer) return nullptr;
    renderer->SetInterest(kStartAndEndInterest, kStartAndEndInterest);
    renderer->SetNotifyCallbackFunction(ForwardSpeechEvents, reinterpret_cast<WPARAM>(&state), 0);
    state.renderer = std::move(renderer);
  }
  return state.renderer.get();
}

// Gives the renderer the voice's current voice, rate and volume.
bool ConfigureLike(SpeechVoice& renderer, SpeechVoice& voice) {
  std::shared_ptr<VoiceToken> token;
  long rate = 0;
  USHORT volume = 0;
  return SUCCEEDED(voice.GetVoice(&token)) && SUCCEEDED(renderer.SetVoice(token)) && SUCCEEDED(voice.GetRate(&rate)) &&
         SUCCEEDED(renderer.SetRate(rate)) && SUCCEEDED(voice.GetVolume(&volume)) &&
         SUCCEEDED(renderer.SetVolume(volume));
}

// Results of the simple methods: one voice call, true when it succeeded.
template <typename Call>
void CallVoice(MDATA* result, int count, MDATA* args, Call call) {
  if (SpeechState* state = Prologue(result, count, args)) SetLogical(result, SUCCEEDED(call(*state->voice)));
}

}  // namespace

void UseSpeechPlatform(std::shared_ptr<SpeechPlatform> platform) { ChosenPlatform() = std::move(platform); }

void SpeechCreate(MDATA*, int count, MDATA* args) {
  SpeechState** slot = StateSlot(count, args);
  if (!slot || *slot) return;
  auto* state = new (std::nothrow) SpeechState;
  if (!state) return;
  CoInitialize(nullptr);
  state->platform = PlatformForNewVoice();
  if (!state->platform || FAILED(state->platform->CreateVoice(&state->voice)) || !state->voice) {
    delete state;
    return;
  }
  *slot = state;
  state->voice->SetInterest(kStartAndEndInterest, kStartAndEndInterest);
  state->voice->SetNotifyCallbackFunction(ForwardSpeechEvents, reinterpret_cast<WPARAM>(state), 0);
  SelectVoice(*state->platform, *state->voice, nullptr);
}

void SpeechDestroy(MDATA*, int count, MDATA* args) {
  SpeechState** slot = StateSlot(count, args);
  if (!slot || !*slot) return;
  SpeechState* state = *slot;
  // The state holds no voice while it goes, so a late notification finds nothing.
  std::unique_ptr<SpeechVoice> voice = std::move(state->voice);
  state->renderer.reset();
  voice.reset();
  CoUninitialize();
  delete state;
  *slot = nullptr;
}

void SpeechReinitialize(MDATA*, int count, MDATA* args) {
  MDATA ignored = {};
  SpeechDestroy(&ignored, count, args);
  SpeechCreate(&ignored, count, args);
}

void SpeechIsAvailable(MDATA* result, int count, MDATA* args) {
  SetLogical(result, Prologue(result, count, args) != nullptr);
}

void SpeechSpeakText(MDATA* result, int count, MDATA* args) {
  SpeechState* state = Prologue(result, count, args);
  if (!state) return;
  int32_t mode = IntArgument(count, args, 1);
  if (!ValidMode(mode)) return;
  if (count > 4 && HasArgument(count, args, 4)) {
    uint32_t window = args[4].words[0], unit = args[4].words[1];
    if (SpeechLibraryLink().FindUnit(window, unit)) {
      state->targetWindowId = window;
      state->targetUnitId = unit;
    }
  }
  HRESULT spoken = S_OK;
  if (mode < 3) {
    std::wstring text = WideFromGbk(TextArgument(count, args, 2));
    spoken = state->voice->Speak(text.c_str(), kAsyncFlags[mode], nullptr);
  }
  if (count > 3 && HasArgument(count, args, 3) && args[3].intValue != 0) {
    int32_t wait = args[3].intValue;
    state->voice->WaitUntilDone(wait < 0 ? kWaitInfinite : static_cast<DWORD>(wait));
  }
  SetLogical(result, SUCCEEDED(spoken));
}

void SpeechSpeakToWaveFile(MDATA* result, int count, MDATA* args) {
  SpeechState* state = Prologue(result, count, args);
  if (!state) return;
  int32_t mode = IntArgument(count, args, 1);
  if (!ValidMode(mode)) return;

  std::shared_ptr<OutputStream> normal;
  if (FAILED(state->voice->GetOutputStream(&normal)) || !normal) return;
  GUID formatId = GUID_NULL;
  std::vector<BYTE> format;
  if (FAILED(normal->GetFormatBlock(&formatId, &format))) return;
  if (format.size() < sizeof(WAVEFORMATEX)) format.resize(sizeof(WAVEFORMATEX));
  normal.reset();

  std::wstring fileName = WideFromGbk(TextArgument(count, args, 3));
  if (fileName.size() > kMaxFileNameUnits) return;
  SpeechVoice* renderer = Renderer(*state);
  if (!renderer || !ConfigureLike(*renderer, *state->voice)) return;
  std::shared_ptr<OutputStream> file;
  if (FAILED(state->platform->BindToFile(fileName.c_str(), kFileModeCreateAlways, formatId,
                                         *reinterpret_cast<const WAVEFORMATEX*>(format.data()), kAllEventsInterest,
                                         &file)) ||
      !file) {
    return;
  }

  HRESULT rendered = renderer->SetOutput(file, true);
  if (SUCCEEDED(rendered) && mode < 3) {
    std::wstring text = WideFromGbk(TextArgument(count, args, 2));
    rendered = renderer->Speak(text.c_str(), kSyncFlags[mode], nullptr);
  }
  // The file closes when its stream is released, once the renderer lets go of it.
  renderer->SetOutput(nullptr, true);
  SetLogical(result, SUCCEEDED(rendered));
}

void SpeechStopSpeaking(MDATA* result, int count, MDATA* args) {
  CallVoice(result, count, args, [](SpeechVoice& v) { return v.Speak(nullptr, kSpeakPurgeBeforeSpeak, nullptr); });
}

void SpeechPauseSpeaking(MDATA* result, int count, MDATA* args) {
  CallVoice(result, count, args, [](SpeechVoice& v) { return v.Pause(); });
}

void SpeechResumeSpeaking(MDATA* result, int count, MDATA* args) {
  CallVoice(result, count, args, [](SpeechVoice& v) { return v.Resume(); });
}

void SpeechSetRate(MDATA* result, int count, MDATA* args) {
  int32_t rate = IntArgument(count, args, 1);
  if (rate < -10 || rate > 10) {
    SetLogical(result, false);
    return;
  }
  CallVoice(result, count, args, [rate](SpeechVoice& v) { return v.SetRate(rate); });
}

void SpeechSetVolume(MDATA* result, int count, MDATA* args) {
  int32_t volume = IntArgument(count, args, 1);
  if (volume < 0 || volume > 100) {
    SetLogical(result, false);
    return;
  }
  CallVoice(result, count, args, [volume](SpeechVoice& v) { return v.SetVolume(static_cast<USHORT>(volume)); });
}

void SpeechSelectVoice(MDATA* result, int count, MDATA* args) {
  SpeechState* state = Prologue(result, count, args);
  if (!state) return;
  SetLogical(result, SelectVoice(*state->platform, *state->voice, TextArgument(count, args, 1)));
}

void SpeechListVoices(MDATA* result, int count, MDATA* args) {
  SpeechState* state = Prologue(result, count, args);
  result->raw = 0;
  result->block = ListVoices(state ? state->platform.get() : nullptr);
  result->type = type::kText | type::kArrayBit;
}

}  // namespace vx
