// A voice of the built-in engine. Its items are spoken one after another by one
// synthesis thread, which makes an item's audio piece by piece, holding eSpeak for
// a short turn at a time only (espeak_library.h), and hands each piece to the
// item's output: the audio device through its bounded ring of blocks, or a WAV
// file. While paused the device holds its blocks and the thread waits between
// pieces, holding nothing of eSpeak, so other voices speak on. Start and end events
// of each item are queued for GetEvents and announced to the registering thread
// through a NotifyWindow.
#pragma once

#include <atomic>
#include <condition_variable>
#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "speech/platform/espeak/audio_output.h"
#include "speech/platform/espeak/built_in_voices.h"
#include "speech/platform/espeak/notify_window.h"

namespace vx::espeak {

class EspeakVoice : public SpeechVoice {
 public:
  // The voice that speaks until SetVoice chooses another.
  explicit EspeakVoice(const BuiltInVoice& voice);
  // Drops all speech and waits for the synthesis thread, which lets go at once.
  ~EspeakVoice() override;

  HRESULT SetInterest(uint64_t eventInterest, uint64_t queuedInterest) override;
  HRESULT SetNotifyCallbackFunction(SpeechNotifyCallback callback, WPARAM wParam, LPARAM lParam) override;
  HRESULT GetEvents(ULONG count, SpeechEvent* events, ULONG* fetched) override;
  // Without kSpeakAsync it returns the item's outcome: a failure when its audio
  // could not be made or stored.
  HRESULT Speak(const wchar_t* text, DWORD flags, ULONG* streamNumber) override;
  HRESULT WaitUntilDone(DWORD milliseconds) override;
  HRESULT Pause() override;
  HRESULT Resume() override;
  HRESULT SetRate(long rate) override;
  HRESULT SetVolume(USHORT volume) override;
  HRESULT GetRate(long* rate) override;
  HRESULT GetVolume(USHORT* volume) override;
  HRESULT GetOutputStream(std::shared_ptr<OutputStream>* stream) override;
  HRESULT SetOutput(std::shared_ptr<OutputStream> stream, bool allowFormatChanges) override;
  HRESULT SetVoice(const std::shared_ptr<VoiceToken>& token) override;
  HRESULT GetVoice(std::shared_ptr<VoiceToken>* token) override;

 private:
  struct Item {
    ULONG streamNumber;
    std::wstring text;
    const BuiltInVoice* voice;
    std::shared_ptr<AudioOutput> output;
    bool reportsOutcome;  // a synchronous Speak waits for it
  };

  void RunSynthesis();
  // S_OK when the item was spoken or stopped, a failure when synthesis or its
  // output failed.
  HRESULT SpeakItem(const Item& item);
  // Waits while paused; false when the item was stopped meanwhile.
  bool WaitWhilePaused();
  // Applies the volume and writes the audio; false when stopped or on failure.
  bool Deliver(AudioOutput& output, std::vector<int16_t>* samples);
  void RaiseEvent(uint16_t eventId, ULONG streamNumber);
  bool Finished(ULONG streamNumber) const;  // under mutex_
  void Purge();                             // under mutex_

  // Items, the current item, pausing and stopping.
  mutable std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<Item> queue_;
  ULONG currentStream_ = 0;  // 0 while idle
  std::shared_ptr<AudioOutput> currentOutput_;
  ULONG lastStream_ = 0;
  std::map<ULONG, HRESULT> outcomes_;  // of synchronous items, until their Speak returns
  bool paused_ = false;
  bool shuttingDown_ = false;
  std::atomic<bool> stopCurrent_{false};

  // Settings for later speech; only the creating thread changes them.
  std::atomic<long> rate_{0};
  std::atomic<int> volume_{100};
  const BuiltInVoice* voice_;
  std::shared_ptr<AudioOutput> device_;
  std::shared_ptr<AudioOutput> output_;  // the device or a file

  // Events.
  std::mutex eventMutex_;
  std::deque<SpeechEvent> events_;
  uint64_t eventInterest_ = 0;
  uint64_t queuedInterest_ = 0;
  std::unique_ptr<NotifyWindow> notify_;

  std::thread thread_;
};

}  // namespace vx::espeak
