#include "sound/wave_player.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

#include "sound/wave_data.h"

namespace vx {
namespace {

constexpr LONG kBufferCount = 20;
constexpr size_t kBufferBytes = 15360;
// A player that neither gets a buffer back nor a stop for this long ends itself.
constexpr DWORD kWatchdogMilliseconds = 8888;

class WavePlayer {
 public:
  WavePlayer(const WaveOutCalls& calls, std::span<const uint8_t> samples, bool loop)
      : calls_(calls),
        samples_(samples.begin(), samples.end()),
        buffers_(kBufferCount * kBufferBytes),
        loop_(loop),
        semaphore_(CreateSemaphoreW(nullptr, 0, kBufferCount, nullptr)),
        stop_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {}

  ~WavePlayer() {
    if (device_) calls_.close(device_);
    for (HANDLE handle : {thread_, semaphore_, stop_}) {
      if (handle) CloseHandle(handle);
    }
  }

  WavePlayer(const WavePlayer&) = delete;
  WavePlayer& operator=(const WavePlayer&) = delete;

  bool Open(const std::vector<uint8_t>& format) {
    if (!semaphore_ || !stop_) return false;
    const auto* waveFormat = reinterpret_cast<const WAVEFORMATEX*>(format.data());
    if (calls_.open(&device_, WAVE_MAPPER, waveFormat, reinterpret_cast<DWORD_PTR>(&DeviceDone),
                    reinterpret_cast<DWORD_PTR>(this), CALLBACK_FUNCTION) != MMSYSERR_NOERROR) {
      device_ = nullptr;
      return false;
    }
    thread_ = CreateThread(nullptr, 0, &Feed, this, CREATE_SUSPENDED, nullptr);
    return thread_ != nullptr;
  }

  // Lets the suspended thread feed all buffers.
  void Start() {
    ResumeThread(thread_);
    ReleaseSemaphore(semaphore_, kBufferCount, nullptr);
  }

  HANDLE thread() const { return thread_; }
  void AskToStop() { SetEvent(stop_); }

 private:
  static void CALLBACK DeviceDone(HWAVEOUT, UINT message, DWORD_PTR instance, DWORD_PTR, DWORD_PTR) {
    if (message != WOM_DONE) return;
    auto* self = reinterpret_cast<WavePlayer*>(instance);
    {
      std::lock_guard<std::mutex> guard(self->lock_);
      ++self->freeCount_;
    }
    ReleaseSemaphore(self->semaphore_, 1, nullptr);
  }

  static DWORD WINAPI Feed(void* parameter);

  LONG FreeCount() {
    std::lock_guard<std::mutex> guard(lock_);
    return freeCount_;
  }

  void Run();
  bool Queue(WAVEHDR& header, size_t index, size_t count);
  void Rewind();
  void Unprepare(WAVEHDR& header) {
    if (header.dwFlags & WHDR_PREPARED) calls_.unprepare(device_, &header, sizeof header);
  }
  void UnprepareAll() {
    for (WAVEHDR& header : headers_) Unprepare(header);
  }

  const WaveOutCalls& calls_;
  const std::vector<uint8_t> samples_;
  size_t position_ = 0;
  std::vector<uint8_t> buffers_;
  std::array<WAVEHDR, kBufferCount> headers_{};
  std::mutex lock_;
  LONG freeCount_ = kBufferCount;  // guarded by lock_
  size_t nextIndex_ = 0;
  const bool loop_;
  HANDLE semaphore_;  // counts buffers handed back and not yet refilled
  HANDLE stop_;
  HANDLE thread_ = nullptr;
  HWAVEOUT device_ = nullptr;
};

struct PlayerList {
  std::mutex lock;
  std::vector<WavePlayer*> players;
};

// Never destroyed: a feeding thread may still reach it while the process exits.
PlayerList& Players() {
  static PlayerList& list = *new PlayerList;
  return list;
}

void WavePlayer::Run() {
  const HANDLE signals[] = {stop_, semaphore_};
  for (;;) {
    if (WaitForMultipleObjects(2, signals, FALSE, kWatchdogMilliseconds) != WAIT_OBJECT_0 + 1) break;
    if (FreeCount() < 1) continue;
    WAVEHDR& header = headers_[nextIndex_];
    Unprepare(header);
    const size_t count = std::min(kBufferBytes, samples_.size() - position_);
    if (count == 0) {
      if (FreeCount() < kBufferCount) continue;
      if (!loop_) {
        UnprepareAll();
        return;
      }
      Rewind();
      continue;
    }
    if (!Queue(header, nextIndex_, count)) break;
  }
  // Stopped, silent too long, or refused by the device.
  calls_.pause(device_);
  calls_.reset(device_);
  UnprepareAll();
}

bool WavePlayer::Queue(WAVEHDR& header, size_t index, size_t count) {
  uint8_t* buffer = buffers_.data() + index * kBufferBytes;
  std::memcpy(buffer, samples_.data() + position_, count);
  header = WAVEHDR{};
  header.lpData = reinterpret_cast<LPSTR>(buffer);
  header.dwBufferLength = static_cast<DWORD>(count);
  if (calls_.prepare(device_, &header, sizeof header) != MMSYSERR_NOERROR) return false;
  {
    std::lock_guard<std::mutex> guard(lock_);
    --freeCount_;
  }
  if (calls_.write(device_, &header, sizeof header) != MMSYSERR_NOERROR) return false;
  position_ += count;
  nextIndex_ = (nextIndex_ + 1) % kBufferCount;
  return true;
}

void WavePlayer::Rewind() {
  // Every buffer is back and none is queued: the semaphore starts again at 20.
  while (WaitForSingleObject(semaphore_, 0) == WAIT_OBJECT_0) {
  }
  position_ = 0;
  nextIndex_ = 0;
  {
    std::lock_guard<std::mutex> guard(lock_);
    freeCount_ = kBufferCount;
  }
  ReleaseSemaphore(semaphore_, kBufferCount, nullptr);
}

DWORD WINAPI WavePlayer::Feed(void* parameter) {
  auto* self = static_cast<WavePlayer*>(parameter);
  self->Run();
  {
    PlayerList& list = Players();
    std::lock_guard<std::mutex> guard(list.lock);
    list.players.erase(std::find(list.players.begin(), list.players.end(), self));
  }
  delete self;
  return 0;
}

}  // namespace

const WaveOutCalls& SystemWaveOut() {
  static const WaveOutCalls calls{&waveOutOpen,  &waveOutPrepareHeader, &waveOutUnprepareHeader,
                                  &waveOutWrite, &waveOutPause,         &waveOutReset,
                                  &waveOutClose};
  return calls;
}

bool PlayWave(const uint8_t* bytes, size_t length, bool loop, const WaveOutCalls& device) {
  if (!bytes) return false;
  const std::optional<WaveData> wave = ReadWaveData({bytes, length});
  if (!wave) return false;
  auto player = std::make_unique<WavePlayer>(device, wave->samples, loop);
  if (!player->Open(wave->format)) return false;
  WavePlayer* started = player.release();
  {
    PlayerList& list = Players();
    std::lock_guard<std::mutex> guard(list.lock);
    list.players.push_back(started);
  }
  started->Start();
  return true;
}

void StopAllWaves(bool wait) {
  // A player's thread closes its own handle as it ends: waiting needs handles of
  // our own, taken while the player is still listed.
  std::vector<HANDLE> threads;
  {
    PlayerList& list = Players();
    std::lock_guard<std::mutex> guard(list.lock);
    for (WavePlayer* player : list.players) {
      HANDLE thread = nullptr;
      if (wait &&
          DuplicateHandle(GetCurrentProcess(), player->thread(), GetCurrentProcess(), &thread, SYNCHRONIZE, FALSE, 0)) {
        threads.push_back(thread);
      }
      player->AskToStop();
    }
  }
  for (HANDLE thread : threads) {
    WaitForSingleObject(thread, INFINITE);
    CloseHandle(thread);
  }
}

size_t PlayingWaveCount() {
  PlayerList& list = Players();
  std::lock_guard<std::mutex> guard(list.lock);
  return list.players.size();
}

}  // namespace vx
