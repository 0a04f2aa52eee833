#include "speech/platform/espeak/wave_out_output.h"

#include <algorithm>

namespace vx::espeak {
namespace {

// How often waits look at their stop flag.
constexpr DWORD kPollMilliseconds = 20;

}  // namespace

WaveOutOutput::WaveOutOutput() : AudioOutput(EngineFormat()), blockDone_(CreateEventW(nullptr, FALSE, FALSE, nullptr)) {
  for (Block& block : blocks_) block.samples.reserve(kBlockSamples);
}

WaveOutOutput::~WaveOutOutput() {
  if (device_) {
    waveOutReset(device_);
    for (Block& block : blocks_) ReleaseBlock(block);
    waveOutClose(device_);
  }
  CloseHandle(blockDone_);
}

HRESULT WaveOutOutput::Open() {
  std::lock_guard<std::mutex> lock(deviceMutex_);
  if (device_) {
    // After a failed write the device starts afresh with the next item.
    if (failed_) {
      waveOutReset(device_);
      for (Block& block : blocks_) ReleaseBlock(block);
      next_ = 0;
      failed_ = false;
    }
    return S_OK;
  }
  WAVEFORMATEX format = Format();
  MMRESULT result =
      waveOutOpen(&device_, WAVE_MAPPER, &format, reinterpret_cast<DWORD_PTR>(blockDone_), 0, CALLBACK_EVENT);
  if (result != MMSYSERR_NOERROR) {
    device_ = nullptr;
    return HRESULT_FROM_WIN32(ERROR_DEV_NOT_EXIST);
  }
  return S_OK;
}

bool WaveOutOutput::InFlight(const Block& block) const { return block.queued && !(block.header.dwFlags & WHDR_DONE); }

void WaveOutOutput::ReleaseBlock(Block& block) {
  if (block.queued) {
    waveOutUnprepareHeader(device_, &block.header, sizeof(block.header));
    block.queued = false;
  }
  block.samples.clear();
}

bool WaveOutOutput::WaitForFreeBlock(const std::atomic<bool>& stop) {
  for (;;) {
    {
      std::lock_guard<std::mutex> lock(deviceMutex_);
      Block& block = blocks_[next_];
      if (!InFlight(block)) {
        if (block.queued) ReleaseBlock(block);
        return true;
      }
    }
    if (stop) return false;
    WaitForSingleObject(blockDone_, kPollMilliseconds);
  }
}

bool WaveOutOutput::Submit(Block& block) {
  std::lock_guard<std::mutex> lock(deviceMutex_);
  // A block goes to the device once per filling; its header stays prepared, and
  // untouched, until ReleaseBlock.
  if (block.queued) return false;
  block.header = WAVEHDR{};
  block.header.lpData = reinterpret_cast<LPSTR>(block.samples.data());
  block.header.dwBufferLength = static_cast<DWORD>(block.samples.size() * sizeof(int16_t));
  if (waveOutPrepareHeader(device_, &block.header, sizeof(block.header)) != MMSYSERR_NOERROR) return false;
  block.queued = true;
  if (waveOutWrite(device_, &block.header, sizeof(block.header)) != MMSYSERR_NOERROR) {
    ReleaseBlock(block);
    return false;
  }
  next_ = (next_ + 1) % kBlocks;
  return true;
}

bool WaveOutOutput::Write(const int16_t* samples, size_t count, const std::atomic<bool>& stop) {
  if (!device_ || failed_) return false;
  while (count > 0) {
    if (!WaitForFreeBlock(stop) || stop) return false;
    Block& block = blocks_[next_];
    size_t take = std::min(count, kBlockSamples - block.samples.size());
    block.samples.insert(block.samples.end(), samples, samples + take);
    samples += take;
    count -= take;
    if (block.samples.size() == kBlockSamples && !Submit(block)) {
      failed_ = true;
      return false;
    }
  }
  return true;
}

bool WaveOutOutput::Finish(const std::atomic<bool>& stop) {
  if (!device_ || failed_) return false;
  // Only a block being filled holds samples not yet submitted. A queued block at
  // next_ played earlier speech (the ring came round, or the item's audio ended on
  // a block boundary) and keeps its samples until it is filled again.
  Block& partial = blocks_[next_];
  if (!partial.queued && !partial.samples.empty() && !Submit(partial)) failed_ = true;
  for (;;) {
    {
      std::lock_guard<std::mutex> lock(deviceMutex_);
      if (std::none_of(blocks_.begin(), blocks_.end(), [this](const Block& b) { return InFlight(b); })) {
        return !failed_;
      }
    }
    if (stop) return !failed_;
    WaitForSingleObject(blockDone_, kPollMilliseconds);
  }
}

void WaveOutOutput::Discard() {
  std::lock_guard<std::mutex> lock(deviceMutex_);
  if (!device_) return;
  waveOutReset(device_);
  for (Block& block : blocks_) ReleaseBlock(block);
  next_ = 0;
  failed_ = false;
}

void WaveOutOutput::SetPaused(bool paused) {
  std::lock_guard<std::mutex> lock(deviceMutex_);
  if (!device_) return;
  if (paused)
    waveOutPause(device_);
  else
    waveOutRestart(device_);
}

}  // namespace vx::espeak
