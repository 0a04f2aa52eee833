#include "tests/sound/fake_devices.h"

#include <condition_variable>
#include <cstring>
#include <deque>
#include <mutex>
#include <thread>

namespace vx::test {
namespace {

// ---- a wave-output device whose buffers never come back ----

WaveOutRecord wave;

MMRESULT WINAPI WaveOpen(LPHWAVEOUT device, UINT, LPCWAVEFORMATEX, DWORD_PTR, DWORD_PTR, DWORD) {
  ++wave.opens;
  *device = reinterpret_cast<HWAVEOUT>(&wave);
  return MMSYSERR_NOERROR;
}
MMRESULT WINAPI WavePrepare(HWAVEOUT, LPWAVEHDR header, UINT) {
  header->dwFlags |= WHDR_PREPARED;
  ++wave.prepared;
  return MMSYSERR_NOERROR;
}
MMRESULT WINAPI WaveUnprepare(HWAVEOUT, LPWAVEHDR header, UINT) {
  header->dwFlags &= ~WHDR_PREPARED;
  --wave.prepared;
  return MMSYSERR_NOERROR;
}
MMRESULT WINAPI WaveWrite(HWAVEOUT, LPWAVEHDR header, UINT) {
  if (wave.refuseWrites) return MMSYSERR_ERROR;
  ++wave.writes;
  header->dwFlags |= WHDR_INQUEUE;
  return MMSYSERR_NOERROR;
}
MMRESULT WINAPI WavePause(HWAVEOUT) {
  ++wave.pauses;
  return MMSYSERR_NOERROR;
}
MMRESULT WINAPI WaveReset(HWAVEOUT) {
  ++wave.resets;
  return MMSYSERR_NOERROR;
}
MMRESULT WINAPI WaveClose(HWAVEOUT) {
  ++wave.closes;
  return MMSYSERR_NOERROR;
}

// ---- a MIDI stream that plays each buffer as soon as it is queued ----

using StreamCallback = void(CALLBACK*)(HMIDIOUT, UINT, DWORD_PTR, DWORD_PTR, DWORD_PTR);

struct InstantStream {
  std::mutex lock;
  std::condition_variable queuedOrClosed;
  std::deque<MIDIHDR*> queue;
  std::thread player;
  bool closing = false;
  StreamCallback callback = nullptr;
  DWORD_PTR instance = 0;
  MidiStreamRecord record;

  void Done(MIDIHDR* header) {
    header->dwFlags = (header->dwFlags & ~MHDR_INQUEUE) | MHDR_DONE;
    callback(reinterpret_cast<HMIDIOUT>(this), MOM_DONE, instance, reinterpret_cast<DWORD_PTR>(header), 0);
  }

  void Play() {
    std::unique_lock<std::mutex> held(lock);
    for (;;) {
      queuedOrClosed.wait(held, [this] { return closing || !queue.empty(); });
      if (closing) return;
      MIDIHDR* header = queue.front();
      queue.pop_front();
      const auto* events = reinterpret_cast<const StreamEvent*>(header->lpData);
      record.played.insert(record.played.end(), events, events + header->dwBytesRecorded / sizeof(StreamEvent));
      --record.queued;
      held.unlock();
      Sleep(1);
      Done(header);
      held.lock();
    }
  }
};

InstantStream stream;

MMRESULT WINAPI MidiOpen(LPHMIDISTRM handle, LPUINT, DWORD, DWORD_PTR callback, DWORD_PTR instance, DWORD) {
  std::lock_guard<std::mutex> held(stream.lock);
  ++stream.record.opens;
  stream.callback = reinterpret_cast<StreamCallback>(callback);
  stream.instance = instance;
  stream.closing = false;
  *handle = reinterpret_cast<HMIDISTRM>(&stream);
  return MMSYSERR_NOERROR;
}
MMRESULT WINAPI MidiProperty(HMIDISTRM, LPBYTE data, DWORD flags) {
  if (flags != (MIDIPROP_SET | MIDIPROP_TIMEDIV)) return MMSYSERR_INVALPARAM;
  std::lock_guard<std::mutex> held(stream.lock);
  stream.record.division = reinterpret_cast<const MIDIPROPTIMEDIV*>(data)->dwTimeDiv;
  return MMSYSERR_NOERROR;
}
MMRESULT WINAPI MidiPrepare(HMIDIOUT, LPMIDIHDR header, UINT) {
  std::lock_guard<std::mutex> held(stream.lock);
  header->dwFlags |= MHDR_PREPARED;
  ++stream.record.prepared;
  return MMSYSERR_NOERROR;
}
MMRESULT WINAPI MidiUnprepare(HMIDIOUT, LPMIDIHDR header, UINT) {
  std::lock_guard<std::mutex> held(stream.lock);
  if (header->dwFlags & MHDR_INQUEUE) return MIDIERR_STILLPLAYING;
  header->dwFlags &= ~MHDR_PREPARED;
  --stream.record.prepared;
  return MMSYSERR_NOERROR;
}
MMRESULT WINAPI MidiOut(HMIDISTRM, LPMIDIHDR header, UINT) {
  std::lock_guard<std::mutex> held(stream.lock);
  header->dwFlags = (header->dwFlags & ~MHDR_DONE) | MHDR_INQUEUE;
  stream.queue.push_back(header);
  ++stream.record.queued;
  stream.queuedOrClosed.notify_one();
  return MMSYSERR_NOERROR;
}
MMRESULT WINAPI MidiRestart(HMIDISTRM) {
  std::lock_guard<std::mutex> held(stream.lock);
  if (!stream.player.joinable()) stream.player = std::thread([] { stream.Play(); });
  return MMSYSERR_NOERROR;
}
MMRESULT WINAPI MidiStop(HMIDISTRM) { return MMSYSERR_NOERROR; }
// Hands every queued buffer back, as a reset does.
MMRESULT WINAPI MidiReset(HMIDIOUT) {
  std::deque<MIDIHDR*> returned;
  {
    std::lock_guard<std::mutex> held(stream.lock);
    returned.swap(stream.queue);
    stream.record.queued -= static_cast<int>(returned.size());
  }
  for (MIDIHDR* header : returned) stream.Done(header);
  return MMSYSERR_NOERROR;
}
MMRESULT WINAPI MidiClose(HMIDISTRM) {
  {
    std::lock_guard<std::mutex> held(stream.lock);
    stream.closing = true;
    ++stream.record.closes;
    stream.queuedOrClosed.notify_one();
  }
  if (stream.player.joinable()) stream.player.join();
  return MMSYSERR_NOERROR;
}

}  // namespace

const WaveOutRecord& SilentWaveOutRecord() { return wave; }

void ClearSilentWaveOut(bool refuseWrites) {
  for (std::atomic<int>* count :
       {&wave.opens, &wave.writes, &wave.pauses, &wave.resets, &wave.closes, &wave.prepared}) {
    *count = 0;
  }
  wave.refuseWrites = refuseWrites;
}

const WaveOutCalls& SilentWaveOut() {
  static const WaveOutCalls calls{&WaveOpen,  &WavePrepare, &WaveUnprepare, &WaveWrite,
                                  &WavePause, &WaveReset,   &WaveClose};
  return calls;
}

MidiStreamRecord InstantMidiStreamRecord() {
  std::lock_guard<std::mutex> held(stream.lock);
  return stream.record;
}

void ClearInstantMidiStream() {
  std::lock_guard<std::mutex> held(stream.lock);
  stream.record = MidiStreamRecord{};
}

const MidiStreamCalls& InstantMidiStream() {
  static const MidiStreamCalls calls{&MidiOpen,    &MidiProperty, &MidiPrepare, &MidiUnprepare, &MidiOut,
                                     &MidiRestart, &MidiStop,     &MidiReset,   &MidiClose};
  return calls;
}

}  // namespace vx::test
