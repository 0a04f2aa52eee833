#include "speech/platform/espeak/espeak_voice.h"

#include <algorithm>
#include <cwctype>
#include <new>
#include <optional>

#include "speech/platform/espeak/audio_speed.h"
#include "speech/platform/espeak/espeak_library.h"
#include "speech/platform/espeak/speech_rate.h"
#include "speech/platform/espeak/spoken_text.h"
#include "speech/platform/espeak/text_pieces.h"
#include "speech/platform/espeak/wave_out_output.h"

namespace vx::espeak {
namespace {

// A piece is worth synthesising when it holds more than blanks.
bool HasSpeech(std::wstring_view text) {
  return std::any_of(text.begin(), text.end(), [](wchar_t c) { return !iswspace(c); });
}

}  // namespace

EspeakVoice::EspeakVoice(const BuiltInVoice& voice)
    : voice_(&voice), device_(std::make_shared<WaveOutOutput>()), output_(device_) {
  thread_ = std::thread([this] { RunSynthesis(); });
}

EspeakVoice::~EspeakVoice() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    Purge();
    shuttingDown_ = true;
  }
  changed_.notify_all();
  thread_.join();
}

HRESULT EspeakVoice::SetInterest(uint64_t eventInterest, uint64_t queuedInterest) {
  std::lock_guard<std::mutex> lock(eventMutex_);
  eventInterest_ = eventInterest;
  queuedInterest_ = queuedInterest;
  return S_OK;
}

HRESULT EspeakVoice::SetNotifyCallbackFunction(SpeechNotifyCallback callback, WPARAM wParam, LPARAM lParam) {
  std::unique_ptr<NotifyWindow> window;
  if (callback) {
    window = std::make_unique<NotifyWindow>(callback, wParam, lParam);
    if (!window->Created()) return E_FAIL;
  }
  std::lock_guard<std::mutex> lock(eventMutex_);
  notify_.swap(window);
  // Events queued before the callback was set are announced now.
  if (notify_ && !events_.empty()) notify_->Signal();
  return S_OK;
}

HRESULT EspeakVoice::GetEvents(ULONG count, SpeechEvent* events, ULONG* fetched) {
  if (!events && count > 0) return E_POINTER;
  std::lock_guard<std::mutex> lock(eventMutex_);
  ULONG taken = 0;
  for (; taken < count && !events_.empty(); ++taken) {
    events[taken] = events_.front();
    events_.pop_front();
  }
  if (fetched) *fetched = taken;
  return taken == count ? S_OK : S_FALSE;
}

void EspeakVoice::RaiseEvent(uint16_t eventId, ULONG streamNumber) {
  std::lock_guard<std::mutex> lock(eventMutex_);
  uint64_t bit = EventInterestBit(eventId);
  if (queuedInterest_ & bit) events_.push_back({eventId, streamNumber});
  if ((eventInterest_ & bit) && notify_) notify_->Signal();
}

HRESULT EspeakVoice::Speak(const wchar_t* text, DWORD flags, ULONG* streamNumber) {
  if (streamNumber) *streamNumber = 0;
  if (flags & ~(kSpeakAsync | kSpeakPurgeBeforeSpeak | kSpeakIsFilename | kSpeakIsXml)) return E_INVALIDARG;
  if (!text) {
    if (!(flags & kSpeakPurgeBeforeSpeak)) return E_INVALIDARG;
    {
      std::lock_guard<std::mutex> lock(mutex_);
      Purge();
    }
    changed_.notify_all();
    return S_OK;
  }
  std::wstring spoken;
  HRESULT result = SpokenText(text, flags, &spoken);
  if (FAILED(result)) return result;
  result = output_->Open();  // no audio device: fail now, not on the synthesis thread
  if (FAILED(result)) return result;

  ULONG number;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    if (flags & kSpeakPurgeBeforeSpeak) Purge();
    number = ++lastStream_;
    queue_.push_back({number, std::move(spoken), voice_, output_, !(flags & kSpeakAsync)});
  }
  changed_.notify_all();
  if (streamNumber) *streamNumber = number;
  if (flags & kSpeakAsync) return S_OK;
  std::unique_lock<std::mutex> lock(mutex_);
  changed_.wait(lock, [&] { return Finished(number); });
  // An item dropped before it started leaves no outcome: nothing failed.
  auto outcome = outcomes_.find(number);
  if (outcome == outcomes_.end()) return S_OK;
  result = outcome->second;
  outcomes_.erase(outcome);
  return result;
}

bool EspeakVoice::Finished(ULONG streamNumber) const {
  return currentStream_ != streamNumber && std::none_of(queue_.begin(), queue_.end(), [&](const Item& item) {
           return item.streamNumber == streamNumber;
         });
}

void EspeakVoice::Purge() {
  queue_.clear();
  if (currentStream_) stopCurrent_ = true;
}

HRESULT EspeakVoice::WaitUntilDone(DWORD milliseconds) {
  std::unique_lock<std::mutex> lock(mutex_);
  auto idle = [this] { return queue_.empty() && currentStream_ == 0; };
  if (milliseconds == kWaitInfinite) {
    changed_.wait(lock, idle);
    return S_OK;
  }
  return changed_.wait_for(lock, std::chrono::milliseconds(milliseconds), idle) ? S_OK : S_FALSE;
}

HRESULT EspeakVoice::Pause() {
  std::lock_guard<std::mutex> lock(mutex_);
  paused_ = true;
  if (currentOutput_) currentOutput_->SetPaused(true);
  return S_OK;
}

HRESULT EspeakVoice::Resume() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    paused_ = false;
    if (currentOutput_) currentOutput_->SetPaused(false);
  }
  changed_.notify_all();
  return S_OK;
}

HRESULT EspeakVoice::SetRate(long rate) {
  if (rate < -10 || rate > 10) return E_INVALIDARG;
  rate_ = rate;
  return S_OK;
}

HRESULT EspeakVoice::SetVolume(USHORT volume) {
  if (volume > 100) return E_INVALIDARG;
  volume_ = volume;
  return S_OK;
}

HRESULT EspeakVoice::GetRate(long* rate) {
  if (!rate) return E_POINTER;
  *rate = rate_;
  return S_OK;
}

HRESULT EspeakVoice::GetVolume(USHORT* volume) {
  if (!volume) return E_POINTER;
  *volume = static_cast<USHORT>(volume_.load());
  return S_OK;
}

HRESULT EspeakVoice::GetOutputStream(std::shared_ptr<OutputStream>* stream) {
  if (!stream) return E_POINTER;
  *stream = output_;
  return S_OK;
}

HRESULT EspeakVoice::SetOutput(std::shared_ptr<OutputStream> stream, bool) {
  if (!stream) {
    output_ = device_;
    return S_OK;
  }
  auto output = std::dynamic_pointer_cast<AudioOutput>(stream);
  if (!output) return E_INVALIDARG;
  // The engine makes one format only, and does not convert.
  if (!IsEngineFormat(output->Format())) return kSpeechUnsupportedFormat;
  output_ = std::move(output);
  return S_OK;
}

HRESULT EspeakVoice::SetVoice(const std::shared_ptr<VoiceToken>& token) {
  auto builtIn = std::dynamic_pointer_cast<BuiltInVoiceToken>(token);
  if (!builtIn) return E_INVALIDARG;
  voice_ = &builtIn->Voice();
  return S_OK;
}

HRESULT EspeakVoice::GetVoice(std::shared_ptr<VoiceToken>* token) {
  if (!token) return E_POINTER;
  *token = std::make_shared<BuiltInVoiceToken>(*voice_);
  return S_OK;
}

void EspeakVoice::RunSynthesis() {
  for (;;) {
    Item item;
    {
      std::unique_lock<std::mutex> lock(mutex_);
      changed_.wait(lock, [this] { return shuttingDown_ || !queue_.empty(); });
      if (shuttingDown_) return;
      item = std::move(queue_.front());
      queue_.pop_front();
      currentStream_ = item.streamNumber;
      currentOutput_ = item.output;
      stopCurrent_ = false;
      currentOutput_->SetPaused(paused_);
    }
    RaiseEvent(kEventStartInputStream, item.streamNumber);
    HRESULT outcome;
    try {
      outcome = SpeakItem(item);
    } catch (const std::bad_alloc&) {
      outcome = E_OUTOFMEMORY;  // the rest of the item is dropped; what was made is played
    }
    // What was made is played out or stored, unless the item was stopped.
    if (!stopCurrent_ && !item.output->Finish(stopCurrent_) && SUCCEEDED(outcome)) outcome = E_FAIL;
    if (stopCurrent_) {
      item.output->Discard();
      outcome = S_OK;
    }
    // The engine lets go of the output before anyone hears the item is done, so a
    // file whose caller has released it is closed by then and can be written anew.
    item.output.reset();
    {
      std::lock_guard<std::mutex> lock(mutex_);
      currentOutput_.reset();
      currentStream_ = 0;
      if (item.reportsOutcome) outcomes_[item.streamNumber] = outcome;
    }
    changed_.notify_all();
    // Raised once the voice is idle, so whoever hears of the end finds it done.
    RaiseEvent(kEventEndInputStream, item.streamNumber);
  }
}

HRESULT EspeakVoice::SpeakItem(const Item& item) {
  SpeechSpeed speed = SpeedForRate(rate_);
  std::optional<AudioSpeed> slower;
  if (speed.audioSpeed != 1.0) slower.emplace(kSampleRate, speed.audioSpeed);
  std::wstring_view text(item.text);
  std::vector<std::string> pieces;
  for (const TextPiece& piece : SplitIntoPieces(item.text)) {
    std::wstring_view pieceText = text.substr(piece.begin, piece.length);
    if (HasSpeech(pieceText)) pieces.push_back(Utf8FromWide(pieceText));
  }
  std::vector<std::vector<int16_t>> made;
  for (size_t next = 0; next < pieces.size();) {
    bool whole = SynthesizeTurn(pieces, next, item.voice->espeakName, speed.wordsPerMinute, stopCurrent_, &made);
    for (std::vector<int16_t>& samples : made) {
      ++next;
      if (slower) slower->Apply(&samples, next == pieces.size());
      if (!WaitWhilePaused() || !Deliver(*item.output, &samples)) return stopCurrent_ ? S_OK : E_FAIL;
    }
    if (!whole) return stopCurrent_ ? S_OK : E_FAIL;
  }
  return S_OK;
}

bool EspeakVoice::WaitWhilePaused() {
  std::unique_lock<std::mutex> lock(mutex_);
  changed_.wait(lock, [this] { return !paused_ || stopCurrent_ || shuttingDown_; });
  return !stopCurrent_ && !shuttingDown_;
}

bool EspeakVoice::Deliver(AudioOutput& output, std::vector<int16_t>* samples) {
  int volume = volume_;
  if (volume != 100) {
    for (int16_t& sample : *samples) sample = static_cast<int16_t>(sample * volume / 100);
  }
  return output.Write(samples->data(), samples->size(), stopCurrent_);
}

}  // namespace vx::espeak
