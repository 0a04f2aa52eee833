// A voice of the built-in engine. Its items are spoken one after another by one
// synthesis thread; start and end events of each item are queued for GetEvents
// and announced to the registering thread through a NotifyWindow.
#pragma once

#include <atomic>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "speech/platform/espeak/audio_output.h"
#include "speech/platform/espeak/built_in_voices.h"
#include "speech/platform/espeak/notify_window.h"

namespace vx::espeak {

class EspeakVoice : public SpeechVoice {
 public:
  EspeakVoice();
  // Drops all speech and waits for the synthesis thread to end.
  ~EspeakVoice() override;

  HRESULT SetInterest(uint64_t eventInterest, uint64_t queuedInterest) override;
  HRESULT SetNotifyCallbackFunction(SpeechNotifyCallback callback, WPARAM wParam, LPARAM lParam) override;
  HRESULT GetEvents(ULONG count, SpeechEvent* events, ULONG* fetched) override;
  HRESULT Speak(const wchar_t* text, DWORD flags, ULONG* streamNumber) override;
  HRESULT WaitUntilDone(DWORD milliseconds) override;
  HRESULT Pause() override;
  HRESULT Resume() override;
  HRESULT SetRate(long rate) override;
  HRESULT SetVolume(USHORT volume) override;
  HRESULT GetOutputStream(std::shared_ptr<OutputStream>* stream) override;
  HRESULT SetOutput(std::shared_ptr<OutputStream> stream, bool allowFormatChanges) override;
  HRESULT SetVoice(const std::shared_ptr<VoiceToken>& token) override;

 private:
  struct Item {
    ULONG streamNumber;
    std::wstring text;
    const BuiltInVoice* voice;
    std::shared_ptr<AudioOutput> output;
  };

  void RunSynthesis();
  // Synthesises one item into its output, run by run, until stopped or failed.
  void SpeakItem(const Item& item);
  // The path of every sample: holds while paused, applies the volume.
  bool Deliver(AudioOutput& output, const int16_t* samples, size_t count);
  void RaiseEvent(uint16_t eventId, ULONG streamNumber);
  bool Finished(ULONG streamNumber) const;  // under mutex_
  void Purge();                              // under mutex_

  // Items, the current item, pausing and stopping.
  mutable std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<Item> queue_;
  ULONG currentStream_ = 0;  // 0 while idle
  std::shared_ptr<AudioOutput> currentOutput_;
  ULONG lastStream_ = 0;
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
