// Runs a voice's notify callback on the thread that registered it, from that
// thread's message loop: a hidden message-only window of that thread receives a
// posted message whenever events were queued.
#pragma once

#include <atomic>

#include "speech/platform/speech_platform.h"

namespace vx::espeak {

class NotifyWindow {
 public:
  // Creates the window on the calling thread.
  NotifyWindow(SpeechNotifyCallback callback, WPARAM wParam, LPARAM lParam);
  ~NotifyWindow();
  NotifyWindow(const NotifyWindow&) = delete;
  NotifyWindow& operator=(const NotifyWindow&) = delete;

  bool Created() const { return window_ != nullptr; }
  // From any thread: have the callback run. Signals before it runs are merged.
  void Signal();

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  SpeechNotifyCallback callback_;
  WPARAM wParam_;
  LPARAM lParam_;
  HWND window_ = nullptr;
  std::atomic<bool> pending_{false};
};

}  // namespace vx::espeak
