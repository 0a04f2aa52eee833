// In-process fakes of the SAPI objects the SAPI engine uses: a voice, file and
// memory streams, the voice category, its enumerator and tokens. Every call the
// engine makes is written to one log, with its arguments, so tests can check the
// exact calls.
#pragma once

#include <windows.h>

#include <mmsystem.h>
#include <sapi.h>

#include <cstdint>
#include <deque>
#include <map>
#include <string>
#include <vector>

#include "speech/platform/sapi/com_creator.h"

namespace vx::test {

// One fake voice token: its string values by name ("" is the default value).
using FakeTokenValues = std::map<std::wstring, std::wstring>;

struct FakeSapi {
  std::vector<std::string> calls;  // "Voice.Speak(text,1)", ... in order

  // What the fake objects answer.
  HRESULT createVoiceAnswer = S_OK;
  HRESULT interestAnswer = S_OK;
  HRESULT speakAnswer = S_OK;
  HRESULT doneAnswer = S_OK;  // WaitUntilDone: S_OK idle, S_FALSE still speaking
  HRESULT bindAnswer = S_OK;
  HRESULT setVoiceAnswer = S_OK;
  HRESULT enumAnswer = S_OK;
  std::vector<FakeTokenValues> tokens;
  GUID outputFormatId = {};               // the audio output's format
  std::vector<BYTE> outputFormat;         // WAVEFORMATEX with extra bytes
  std::deque<uint16_t> queuedEvents;      // of the first voice
  std::deque<uint16_t> laterVoiceEvents;  // of the voices made after it

  // What the engine handed over. The calls of the first voice object are logged
  // as "Voice.", of the second as "Voice2.", and so on.
  SPNOTIFYCALLBACK* callback = nullptr;  // of the first voice
  WPARAM callbackWParam = 0;
  LPARAM callbackLParam = 0;
  SPNOTIFYCALLBACK* laterVoiceCallback = nullptr;
  WPARAM laterVoiceWParam = 0;
  int voicesMade = 0;
  int currentVoice = -1;          // index among tokens of the voice made current
  std::vector<BYTE> boundFormat;  // the WAVEFORMATEX block given to BindToFile
  int liveObjects = 0;

  FakeSapi();
  // A creator for the SAPI engine that makes these fakes and logs each creation.
  sapi::ComCreator Creator();
  // Runs the registered callback as SAPI would once events were queued.
  void Notify();
  void NotifyFromLaterVoice();
  // Whether a call starting with prefix was logged.
  bool Called(const std::string& prefix) const;
  std::vector<std::string> CallsStartingWith(const std::string& prefix) const;
};

std::string Narrow(const wchar_t* text);
std::string Hex(uint64_t value);

}  // namespace vx::test
