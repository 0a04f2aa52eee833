// The speech platform: the few voice, stream and voice-token operations the speech
// unit and the voice catalogue use. Two engines stand behind it: SAPI over COM where
// it really works, and the built-in eSpeak NG engine. Texts are UTF-16.
//
// Results are HRESULTs with SAPI's meanings, so the SAPI engine passes its answers
// through unchanged and the callers test them the same way for either engine.
#pragma once

#include <windows.h>
// WAVEFORMATEX (not in the lean windows.h)
#include <mmsystem.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace vx {

// Speak flags (SAPI's SPF_* values).
constexpr DWORD kSpeakAsync = 1;
constexpr DWORD kSpeakPurgeBeforeSpeak = 2;
constexpr DWORD kSpeakIsFilename = 4;
constexpr DWORD kSpeakIsXml = 8;

// Event ids (SAPI's SPEI_*) and the interest bits for them.
constexpr uint16_t kEventStartInputStream = 1;
constexpr uint16_t kEventEndInputStream = 2;
constexpr uint64_t EventInterestBit(uint16_t id) { return uint64_t{1} << id; }

// File modes for binding a stream to a file (SAPI's SPFM_*).
constexpr int kFileModeCreate = 2;        // fails if the file exists
constexpr int kFileModeCreateAlways = 3;  // creates or replaces

constexpr DWORD kWaitInfinite = 0xFFFFFFFF;

// SAPI's SPERR_NOT_FOUND: a token has no string value of that name, or no category.
constexpr HRESULT kSpeechNotFound = static_cast<HRESULT>(0x8004503A);
// SAPI's SPERR_UNSUPPORTED_FORMAT.
constexpr HRESULT kSpeechUnsupportedFormat = static_cast<HRESULT>(0x80045003);

// The category of installed voices (SAPI's SPCAT_VOICES).
inline constexpr wchar_t kVoiceCategoryId[] = L"HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Speech\\Voices";

// The format id of WAVEFORMATEX-described audio (SAPI's SPDFID_WaveFormatEx).
constexpr GUID kWaveFormatExFormatId = {0xC31ADBAE, 0x527F, 0x4ff5, {0xA2, 0x30, 0xF6, 0x2B, 0xB6, 0x1F, 0xF7, 0x0C}};

// The notify callback, with SAPI's signature (SPNOTIFYCALLBACK).
using SpeechNotifyCallback = void(__stdcall*)(WPARAM, LPARAM);

struct SpeechEvent {
  uint16_t eventId = 0;
  ULONG streamNumber = 0;  // the spoken item the event belongs to, counted from 1
};

// Where a voice's audio goes: the audio device or a file. The last reference closes
// it; a file stream then finishes its file.
class OutputStream {
 public:
  virtual ~OutputStream() = default;
  // The stream's format id and its WAVEFORMATEX (cbSize 0 for PCM).
  virtual HRESULT GetFormat(GUID* formatId, WAVEFORMATEX* format) = 0;
  // The same with the cbSize bytes that follow the WAVEFORMATEX, for formats that
  // carry them; a stream whose formats never do needs only GetFormat.
  virtual HRESULT GetFormatBlock(GUID* formatId, std::vector<BYTE>* format) {
    if (!format) return E_POINTER;
    format->assign(sizeof(WAVEFORMATEX), 0);
    return GetFormat(formatId, reinterpret_cast<WAVEFORMATEX*>(format->data()));
  }
};

// One installed voice.
class VoiceToken {
 public:
  virtual ~VoiceToken() = default;
  // The string value of that name; null or L"" names the default value.
  // kSpeechNotFound when there is no such value.
  virtual HRESULT GetStringValue(const wchar_t* valueName, std::wstring* value) = 0;
};

class VoiceTokenEnum {
 public:
  virtual ~VoiceTokenEnum() = default;
  virtual HRESULT GetCount(ULONG* count) = 0;
  // S_OK with the next token; S_FALSE and null at the end.
  virtual HRESULT Next(std::shared_ptr<VoiceToken>* token) = 0;
};

class VoiceCategory {
 public:
  virtual ~VoiceCategory() = default;
  // Every token matching the attribute strings; empty strings match all. S_OK on
  // full success.
  virtual HRESULT EnumTokens(const wchar_t* requiredAttributes, const wchar_t* optionalAttributes,
                             std::unique_ptr<VoiceTokenEnum>* tokens) = 0;
};

// A voice. Pause and Resume may be called from any thread, concurrently with the
// creating thread's calls; everything else is called from the creating thread.
class SpeechVoice {
 public:
  virtual ~SpeechVoice() = default;
  // Which events are raised and which of them are queued for GetEvents (bit 1 << id).
  virtual HRESULT SetInterest(uint64_t eventInterest, uint64_t queuedInterest) = 0;
  // The callback runs on the calling thread, from its message loop, after events
  // were queued. A null callback stops notification.
  virtual HRESULT SetNotifyCallbackFunction(SpeechNotifyCallback callback, WPARAM wParam, LPARAM lParam) = 0;
  // Fetches up to count queued events: S_OK when count were returned, S_FALSE when
  // fewer (none once the queue is empty).
  virtual HRESULT GetEvents(ULONG count, SpeechEvent* events, ULONG* fetched) = 0;
  // Queues text (plain, a file name with kSpeakIsFilename, markup with kSpeakIsXml).
  // With kSpeakAsync it returns once queued, else when the item was spoken.
  // kSpeakPurgeBeforeSpeak drops the current and all queued items first; with a
  // null text that is all it does.
  virtual HRESULT Speak(const wchar_t* text, DWORD flags, ULONG* streamNumber) = 0;
  // S_OK when all speech ended, S_FALSE when the time ran out first.
  virtual HRESULT WaitUntilDone(DWORD milliseconds) = 0;
  virtual HRESULT Pause() = 0;
  virtual HRESULT Resume() = 0;
  // -10..10 and 0..100, for speech that starts later.
  virtual HRESULT SetRate(long rate) = 0;
  virtual HRESULT SetVolume(USHORT volume) = 0;
  virtual HRESULT GetRate(long* rate) = 0;
  virtual HRESULT GetVolume(USHORT* volume) = 0;
  // The current output; by default the audio device in the voice's normal format.
  virtual HRESULT GetOutputStream(std::shared_ptr<OutputStream>* stream) = 0;
  // Later items go to that stream; null returns to the audio device. A stream of
  // another engine is refused with E_INVALIDARG.
  virtual HRESULT SetOutput(std::shared_ptr<OutputStream> stream, bool allowFormatChanges) = 0;
  // That voice speaks later items. A token of another engine is refused.
  virtual HRESULT SetVoice(const std::shared_ptr<VoiceToken>& token) = 0;
  // The voice that speaks later items.
  virtual HRESULT GetVoice(std::shared_ptr<VoiceToken>* token) = 0;
};

// An engine: creates voices and file streams, and lists the installed voices.
class SpeechPlatform {
 public:
  virtual ~SpeechPlatform() = default;
  virtual HRESULT CreateVoice(std::unique_ptr<SpeechVoice>* voice) = 0;
  // A stream writing a RIFF/WAVE file of that format, for SetOutput. The format's
  // cbSize extra bytes follow it in memory, as GetFormatBlock gives them.
  virtual HRESULT BindToFile(const wchar_t* path, int fileMode, const GUID& formatId, const WAVEFORMATEX& format,
                             uint64_t eventInterest, std::shared_ptr<OutputStream>* stream) = 0;
  // A stream for SetOutput that keeps what is rendered into it in memory, for as
  // long as the stream lives: a rendering that nobody hears.
  virtual HRESULT CreateMemoryStream(const GUID& formatId, const WAVEFORMATEX& format,
                                     std::shared_ptr<OutputStream>* stream) = 0;
  virtual HRESULT GetCategoryFromId(const wchar_t* categoryId, bool createIfMissing,
                                    std::unique_ptr<VoiceCategory>* category) = 0;
};

}  // namespace vx
